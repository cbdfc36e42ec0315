// Renders every window of every game to PNG, offscreen, through the real
// forms engine: screenshots OUTDIR [LANGUAGE...], in every language the
// games speak unless told. The scale comes from QT_SCALE_FACTOR; files
// rendered above scale 1 get an @2x-style suffix, and those in another
// language than Russian its name ("pendlow-en.png").

#include "catalog.h"
#include "language.h"
#include "program.h"
#include "textfit.h"

#include <QAbstractButton>
#include <QDir>
#include <cstdio>

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

// One picture per window, named pendlow.png or marrowby-rules.png: the
// window opened on a fresh runtime, as at program start, and the startup
// window played a little so the gallery shows a game under way.
int renderWindow(const QDir& out, const QString& languageSuffix, const catalog::Game& game,
                 const catalog::Window& window)
{
    const QString file =
        (window.role.isEmpty() ? game.name : game.name + QLatin1Char('-') + window.role) + languageSuffix;
    std::fprintf(stderr, "%s\n", qPrintable(file));
    shell::RuntimeRandom random;
    GalleryDialogs dialogs;
    shell::Runtime runtime(game.programName, random, dialogs);
    Form* form = window.open(runtime);
    if (&window == &game.windows.first() && game.scene)
        game.scene({*form, [](QAbstractButton* button) { button->click(); }});
    QCoreApplication::processEvents();

    int failures = 0;
    const QPixmap picture = form->grab();
    const qreal ratio = picture.devicePixelRatio();
    const QString suffix = ratio == 1 ? QString() : QStringLiteral("@%1x").arg(ratio);
    const QString path = out.filePath(file + suffix + QStringLiteral(".png"));
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "  cannot write %s\n", qPrintable(path));
        ++failures;
    }
    for (const QString& problem : textsThatDoNotFit(form))
        std::fprintf(stderr, "  does not fit: %s\n", qPrintable(problem));
    delete form;
    return failures;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    shell::prepareApplication(QStringLiteral("screenshots"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots OUTDIR [LANGUAGE...]\n");
        return 2;
    }
    QStringList languages = shell::spokenLanguages();
    if (argc > 2) {
        languages.clear();
        for (int i = 2; i < argc; ++i)
            languages.append(QString::fromLocal8Bit(argv[i]));
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }

    int failures = 0;
    for (const QString& language : languages) {
        if (!shell::spokenLanguages().contains(language)) {
            std::fprintf(stderr, "no translation into %s\n", qPrintable(language));
            return 2;
        }
        shell::useLanguage(language);
        const QString languageSuffix =
            language == shell::sourceLanguage ? QString() : QLatin1Char('-') + language;
        for (const catalog::Game& game : catalog::games()) {
            for (const catalog::Window& window : game.windows)
                failures += renderWindow(out, languageSuffix, game, window);
        }
    }
    return failures == 0 ? 0 : 1;
}
