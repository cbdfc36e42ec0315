#include "program.h"

#include <QFileInfo>
#include <QPointer>
#include <QStyleFactory>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace shell {

void prepareApplication(const QString& programName)
{
    QApplication::setApplicationName(programName);
    // Lets a Wayland desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(GAMES_APP_ID_PREFIX ".") + programName);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

std::optional<int> answerInformationOptions(int argc, char** argv, const QString& programName)
{
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        QString text;
        if (std::strcmp(option, "--version") == 0) {
            text = programName + QStringLiteral(" " GAMES_VERSION "\n");
        } else if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
            const QString program = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
            text = QStringLiteral("Usage: %1 [--help | --version | Qt options]\n"
                                  "%2 " GAMES_VERSION ", a game of chance in Russian or English; see %1(6).\n"
                                  "\n"
                                  "  -h, --help   show this help and exit\n"
                                  "  --version    show the name and version and exit\n"
                                  "\n"
                                  "The game speaks the desktop's language, Russian or English (Russian\n"
                                  "under the C locale); choose by hand with LANGUAGE=ru %1 or\n"
                                  "LANGUAGE=en %1.\n"
                                  "\n"
                                  "Qt's own options work as usual, for example -platform xcb or -reverse.\n")
                       .arg(program, programName);
        } else {
            continue;
        }
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    return std::nullopt;
}

int runEventLoop(const Runtime& runtime)
{
    if (!runtime.hasEnded())
        QApplication::exec();
    // Windows still open when End came; deleting them here keeps leak checks quiet.
    deleteOpenForms();
    return 0;
}

void deleteOpenForms()
{
    // Deleting one window may delete another it owns: hence the guarded list.
    QList<QPointer<Form>> forms;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<Form*>(window))
            forms.append(form);
    }
    for (const QPointer<Form>& form : forms)
        delete form.data();
}

} // namespace shell
