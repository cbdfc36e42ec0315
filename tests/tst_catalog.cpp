// Every window a game opens as it is played is in its catalog entry: one
// left out would drop out of the screenshots and of the contrast, keyboard
// and icon tests without a word.

#include "catalog.h"
#include "program.h"
#include "storm.h"

#include <QSet>
#include <memory>

using namespace shell;

namespace {

QString kind(const Form& window)
{
    return QString::fromUtf8(window.metaObject()->className()) + QLatin1Char(' ') + window.objectName();
}

// The windows shown, and in `buttons` those of their buttons a player can press.
QSet<QString> shownWindows(QList<QAbstractButton*>* buttons = nullptr)
{
    QSet<QString> kinds;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<Form*>(window);
        if (!form || !form->isVisible())
            continue;
        kinds.insert(kind(*form));
        for (QAbstractButton* button : buttons ? form->findChildren<QAbstractButton*>() : QList<QAbstractButton*>()) {
            if (button->isVisible() && button->isEnabled())
                buttons->append(button);
        }
    }
    return kinds;
}

} // namespace

class TestCatalog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void everyWindowOpenedIsListed_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < catalog::games().size(); ++i)
            QTest::newRow(qPrintable(catalog::games()[i].name)) << i;
    }

    // The catalog's own moves, then any button of any window open, a
    // quitting answer starting the game again.
    void everyWindowOpenedIsListed()
    {
        QFETCH(int, index);
        const catalog::Game& game = catalog::games()[index];
        StormInput input(20261209);
        RandomDialogs dialogs(input.rng(), [&] { return input.anyText(game.typedWords()); });
        RuntimeRandom random;
        std::unique_ptr<Runtime> runtime;
        const auto restart = [&] {
            deleteOpenForms();
            runtime = std::make_unique<Runtime>(game.programName, random, dialogs);
            return QPointer<Form>(game.windows.first().open(*runtime));
        };
        const RaiseWarningFilter quiet;
        const QPointer<Form> startup = restart();
        QSet<QString> listed, seen;
        for (const catalog::Window& window : game.windows)
            listed.insert(kind(*std::unique_ptr<Form>(window.make(*runtime))));

        const catalog::Player player{*startup, [](QAbstractButton* button) { button->click(); }};
        if (game.prepare)
            game.prepare(player);
        for (int n = 0; n < 60 && startup && !runtime->hasEnded(); ++n, seen += shownWindows())
            game.play(player, n);
        if (game.scene && startup && !runtime->hasEnded())
            game.scene(player);
        for (int event = 0; event < 400; ++event) {
            QList<QAbstractButton*> buttons;
            seen += shownWindows(&buttons);
            if (runtime->hasEnded() || buttons.isEmpty())
                restart();
            else
                input.click(buttons[input.pick(int(buttons.size()))]);
            QCoreApplication::processEvents();
        }
        deleteOpenForms();  // before their runtime goes
        const QSet<QString> unlisted = seen - listed;
        QVERIFY2(unlisted.isEmpty(), qPrintable(QStringList(unlisted.cbegin(), unlisted.cend()).join(", ")));
    }
};

QTEST_MAIN(TestCatalog)
#include "tst_catalog.moc"
