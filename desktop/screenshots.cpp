// Renders every window of every game to PNG, offscreen, through the real
// forms engine: screenshots OUTDIR [LANGUAGE]. The scale comes from
// QT_SCALE_FACTOR; files rendered above scale 1 get an @2x-style suffix, and
// those in another language than Russian its name ("pendlow-en.png").

#include "program.h"
#include "textfit.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <cstdio>
#include <functional>

// The games name their window files alike, so each is reached by its folder.
#include "../games/brannock/mainwindow.h"
#include "../games/corvane/mainwindow.h"
#include "../games/marrowby/mainwindow.h"
#include "../games/pendlow/mainwindow.h"
#include "../games/quillsey/mainwindow.h"
#include "../games/tessaly/mainwindow.h"

namespace {

using shell::Form;

// Answers every box as a player going on with the game would, and lists
// it, so a scene that runs into an unplanned box shows up in the output.
class GalleryDialogs final : public shell::Dialogs {
public:
    int messageBox(const QString& prompt, int style, const QString&) override
    {
        std::fprintf(stderr, "  box: %s\n", qPrintable(prompt));
        return shell::Style::isYesNo(style) ? shell::Answer::Yes : shell::Answer::Ok;
    }
    QString inputBox(const QString& prompt, const QString&) override
    {
        std::fprintf(stderr, "  input box: %s\n", qPrintable(prompt));
        return shell::currentLanguage() == shell::sourceLanguage ? QStringLiteral("Иван Петров")
                                                                 : QStringLiteral("John Smith");
    }
};

void click(Form* window, const char* name, int index = -1)
{
    qobject_cast<QAbstractButton*>(window->control(QString::fromUtf8(name), index))->click();
}

void type(Form* window, const char* name, const QString& text)
{
    window->textBox(QString::fromUtf8(name))->setText(text);
}

// One picture: a window opened on a fresh runtime, as at program start, and
// played a little so the gallery shows a game under way.
struct Shot {
    const char* file;
    const char* program;
    std::function<Form*(shell::Runtime&)> open;
};

template <typename Window>
std::function<Form*(shell::Runtime&)> playing(std::function<void(Form*)> moves = {})
{
    return [moves](shell::Runtime& runtime) -> Form* {
        Window* window = shell::openStartupForm<Window>(runtime);
        if (moves)
            moves(window);
        return window;
    };
}

const QList<Shot>& shots()
{
    static const QList<Shot> list = {
        {"marrowby", "Marrowby", playing<marrowby::MainWindow>([](Form* w) {
             click(w, "cmd1");
             click(w, "cmd2");
             click(w, "cmd1");
         })},
        {"marrowby-rules", "Marrowby", playing<marrowby::RulesWindow>()},
        {"marrowby-warning", "Marrowby", playing<marrowby::WarningWindow>()},
        {"quillsey", "Quillsey", playing<quillsey::MainWindow>([](Form* w) {
             type(w, "txt4", QStringLiteral("200"));
             for (const char* button : {"cmd1", "cmd2", "cmd3", "cmd4", "cmd6"})
                 click(w, button);
         })},
        {"quillsey-rules", "Quillsey", playing<quillsey::RulesWindow>()},
        {"tessaly", "Tessaly", playing<tessaly::MainWindow>([](Form* w) {
             type(w, "txt3", QStringLiteral("50"));
             type(w, "txt4", QCoreApplication::translate("tessaly::MainWindow", "орел"));
             click(w, "cmd2");
         })},
        {"brannock", "Brannock", playing<brannock::MainWindow>([](Form* w) {
             click(w, "CmdR");
             for (int i = 0; i < 3; ++i)
                 click(w, "cmd1");
         })},
        {"corvane", "Corvane", playing<corvane::MainWindow>([](Form* w) {
             click(w, "STM", 3);
             click(w, "STRez", 1);
             click(w, "CmdM");
             click(w, "CmdM");
         })},
        {"pendlow", "Pendlow", playing<pendlow::MainWindow>([](Form* w) {
             for (int i = 0; i < 3; ++i)
                 click(w, "Cmd1");
         })},
    };
    return list;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    shell::prepareApplication(QStringLiteral("screenshots"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: screenshots OUTDIR [LANGUAGE]\n");
        return 2;
    }
    // Russian unless asked: the gallery shows the games as they were written.
    const QString language = argc == 3 ? QString::fromLocal8Bit(argv[2]) : shell::sourceLanguage;
    if (!shell::spokenLanguages().contains(language)) {
        std::fprintf(stderr, "no translation into %s\n", argv[2]);
        return 2;
    }
    shell::useLanguage(language);
    const QString languageSuffix = language == shell::sourceLanguage ? QString() : QLatin1Char('-') + language;
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }

    int failures = 0;
    for (const Shot& shot : shots()) {
        std::fprintf(stderr, "%s\n", shot.file);
        shell::RuntimeRandom random;
        GalleryDialogs dialogs;
        shell::Runtime runtime(QString::fromUtf8(shot.program), random, dialogs);
        Form* window = shot.open(runtime);
        QCoreApplication::processEvents();

        const QPixmap picture = window->grab();
        const qreal ratio = picture.devicePixelRatio();
        const QString suffix = ratio == 1 ? QString() : QStringLiteral("@%1x").arg(ratio);
        const QString path = out.filePath(QString::fromUtf8(shot.file) + languageSuffix + suffix + QStringLiteral(".png"));
        if (picture.isNull() || !picture.save(path)) {
            std::fprintf(stderr, "  cannot write %s\n", qPrintable(path));
            ++failures;
        }
        for (const QString& problem : textsThatDoNotFit(window))
            std::fprintf(stderr, "  does not fit: %s\n", qPrintable(problem));
        delete window;
    }
    return failures == 0 ? 0 : 1;
}
