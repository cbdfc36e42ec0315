// The games played from the keyboard alone: Tab through the controls in
// their tab order, Space, Enter and the keypad's Enter on buttons, arrows within an option
// group, and Enter or Escape to answer the real boxes.

#include "catalog.h"
#include "language.h"
#include "qtdialogs.h"
#include "scripteddialogs.h"
#include "scriptedrandom.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <functional>

#include "corvane/mainwindow.h"

using namespace shell;

namespace {

using Opener = std::function<Form*(Runtime&)>;

QString nameOf(const QWidget* widget)
{
    return widget ? widget->objectName() : QStringLiteral("<nothing>");
}

// When a box closes, the window manager hands the keys back to the game's
// window; offscreen there is none, so this does it.
void reactivateGameWindow()
{
    if (QApplication::activeWindow())
        return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && qobject_cast<Form*>(window))
            QApplication::setActiveWindow(window);
    }
}

// A key as the keyboard sends it: to whatever has the focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    reactivateGameWindow();
    QWidget* target = QApplication::focusWidget();
    QVERIFY2(target, "nothing has the keyboard focus");
    QTest::keyClick(target, key, modifiers);
}

// The keys visit each control once, but an option group only through one
// of its buttons: Tab enters the group, arrows move inside it.
QStringList expectedTabWalk(const Form& window)
{
    QStringList names;
    const QWidget* previousGroup = nullptr;
    for (const QWidget* control : window.tabOrder()) {
        const bool isOption = qobject_cast<const QRadioButton*>(control);
        if (isOption && control->parentWidget() == previousGroup)
            continue;
        previousGroup = isOption ? control->parentWidget() : nullptr;
        names.append(control->objectName());
    }
    return names;
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestKeyboard : public QObject {
    Q_OBJECT

    // The answered boxes' texts, in order.
    QStringList m_answered;

    // Answers the next real box with that key, sent to the box's focus.
    void answerNextBox(Qt::Key key)
    {
        QTimer::singleShot(0, this, [this, key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            // A box counts as active with its window; the keys wait for its focus.
            QTRY_VERIFY(box->isAncestorOf(QApplication::focusWidget()));
            m_answered.append(box->text());
            press(key);
        });
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void tabVisitsTheControlsInTabOrder_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<Opener>("open");
        for (const catalog::Game& game : catalog::games())
            QTest::addRow("%s", qPrintable(game.programName)) << game.programName << game.windows.first().open;
    }

    void tabVisitsTheControlsInTabOrder()
    {
        QFETCH(QString, program);
        QFETCH(Opener, open);
        ScriptedRandom random;
        ScriptedDialogs boxes;
        Runtime runtime(program, random, boxes);
        std::unique_ptr<Form> window(open(runtime));
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        const QStringList expected = expectedTabWalk(*window);
        QStringList forward{nameOf(QApplication::focusWidget())};
        for (qsizetype i = 0; i < expected.size(); ++i) {
            press(Qt::Key_Tab);
            forward.append(nameOf(QApplication::focusWidget()));
        }
        QCOMPARE(forward, expected + QStringList{expected.first()});

        QStringList backward;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            press(Qt::Key_Tab, Qt::ShiftModifier);
            backward.prepend(nameOf(QApplication::focusWidget()));
        }
        QCOMPARE(backward, expected);
    }

    void corvanePlayedByKeysOnly_data()
    {
        // The texts the player sees on the way, in order; the keys are the same.
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::addRow("Russian") << "ru"
                                 << QStringList{"Сделайте ставку!", "Можно выиграть монет:  9", "Можно выиграть:  10000",
                                                "На данный момент у Вас монет:  5", "Вы проиграли :( ! Сыграем еще?",
                                                "На данный момент у Вас монет:  15", "Общая сумма:  10000$"};
        QTest::addRow("English") << "en"
                                 << QStringList{"Place your bet!", "Coins to win: 9", "You can win: 10000",
                                                "Your coins: 5", "You lost :( Let's play again!",
                                                "Your coins: 15", "Total: $10000"};
    }

    // A whole game of Corvane lost from the keyboard, with the real boxes.
    void corvanePlayedByKeysOnly()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, texts);
        useLanguage(language);
        const auto restoreLanguage = qScopeGuard([] { useLanguage(sourceLanguage); });
        ScriptedRandom random;
        QtDialogs dialogs;
        Runtime runtime(QStringLiteral("Corvane"), random, dialogs);
        std::unique_ptr<Form> window(openStartupForm<corvane::MainWindow>(runtime));
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const auto focus = [] { return nameOf(QApplication::focusWidget()); };
        const auto caption = [&](int index) { return window->label(QStringLiteral("Label2"), index)->text(); };
        m_answered.clear();

        QCOMPARE(focus(), QStringLiteral("CmdM"));
        answerNextBox(Qt::Key_Return);
        press(Qt::Key_Enter, Qt::KeypadModifier);  // nothing staked yet
        QCOMPARE(m_answered, QStringList{texts[0]});

        // Into the stakes: the arrows walk down to ten coins, Space picks it,
        // and from a picked option the arrows pick as they move.
        press(Qt::Key_Tab);
        QCOMPARE(focus(), QStringLiteral("STM"));
        for (int i = 0; i < 8; ++i)
            press(Qt::Key_Down);
        press(Qt::Key_Space);
        QCOMPARE(caption(2), texts[1]);
        press(Qt::Key_Down);
        QVERIFY(window->option(QStringLiteral("STM"), 10)->isChecked());
        QCOMPARE(caption(3), texts[2]);

        // Then the side: Space calls heads, Right and Left move the call.
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->option(QStringLiteral("STRez"), 1));
        press(Qt::Key_Space);
        press(Qt::Key_Right);
        QVERIFY(window->option(QStringLiteral("STRez"), 2)->isChecked());
        press(Qt::Key_Left);
        QVERIFY(window->option(QStringLiteral("STRez"), 1)->isChecked());

        // Back to the coin, past the picked stake, and toss with Enter, then Space.
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), window->option(QStringLiteral("STM"), 10));
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focus(), QStringLiteral("CmdM"));
        random.pushWhole(9, 10);  // tails: 15 - 10
        press(Qt::Key_Return);
        QCOMPARE(caption(1), texts[3]);
        random.pushWhole(8, 10);  // tails again: the game is lost
        answerNextBox(Qt::Key_Escape);
        press(Qt::Key_Space);
        QCOMPARE(m_answered.last(), texts[4]);
        QCOMPARE(caption(1), texts[5]);
        QCOMPARE(caption(4), texts[6]);
        reactivateGameWindow();
        QCOMPARE(focus(), QStringLiteral("CmdM"));  // ready for the next game's toss
        QCOMPARE(random.pending(), 0);
        QVERIFY(!runtime.hasEnded());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
