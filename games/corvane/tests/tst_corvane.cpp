#include "corvane/mainwindow.h"
#include "boxes.h"
#include "columns.h"
#include "gameharness.h"
#include "keys.h"
#include "language.h"
#include "qtdialogs.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <memory>

using namespace shell;
using namespace corvane::tests;
using corvane::MainWindow;

namespace {

constexpr int heads = 1;
constexpr int tails = 2;

struct Corvane : GameHarness<MainWindow> {
    Corvane() : GameHarness(program) {}

    void pick(int stake, int side)
    {
        click(QStringLiteral("STM"), stake);
        click(QStringLiteral("STRez"), side);
    }

    void toss(int draw)
    {
        random.pushWhole(draw, 10);
        click(QStringLiteral("CmdM"));
    }

    // Tosses that the player calling heads loses, with no end of game.
    void lose(int times)
    {
        for (int i = 0; i < times; ++i)
            toss(9);
    }

    QStringList scoreLabels() const
    {
        return {text("Label2", 1), text("Label2", 2), text("Label2", 3), text("Label2", 4)};
    }
};

} // namespace

class TestCorvane : public QObject {
    Q_OBJECT

private slots:
    void startsWithNothingSelected()
    {
        Corvane game;
        MainWindow& window = *game.window;
        QCOMPARE(window.windowTitle(), program);
        QCOMPARE(window.size(), QSize(444, 407));
        QCOMPARE(window.tabOrder().first(), window.button("CmdM"));
        QCOMPARE(window.focusWidget(), window.button("CmdM"));
        for (int i = 1; i <= 10; ++i)
            QVERIFY(!window.option("STM", i)->isChecked());
        QVERIFY(!window.option("STRez", 1)->isChecked());
        QVERIFY(!window.option("STRez", 2)->isChecked());

        // Frame members sit relative to their frame.
        QCOMPARE(window.option("STM", 10)->parentWidget(), window.frame("Сколько"));
        QCOMPARE(window.option("STM", 10)->geometry(), QRect(8, 240, 153, 26));
        QCOMPARE(window.option("STRez", 2)->parentWidget(), window.frame("Что"));
        QCOMPARE(window.label("Label2", 4)->parentWidget(), window.frame("Frame2"));

        QCOMPARE(game.text("Label1"), placeYourBets);
        QCOMPARE(game.scoreLabels(),
                 (QStringList{coinsCaption("15"), QStringLiteral("Можно выиграть монет: "),
                              QStringLiteral("Можно выиграть: 0$"), QStringLiteral(" Общая сумма: 15000 $")}));
    }

    void tossNeedsStakeAndSide_data()
    {
        columns<int, int>("stake", "side");
        QTest::addRow("nothing chosen") << 0 << 0;
        QTest::addRow("only a stake") << 4 << 0;
        QTest::addRow("only a side") << 0 << tails;
    }

    void tossNeedsStakeAndSide()
    {
        QFETCH(int, stake);
        QFETCH(int, side);
        Corvane game;
        if (stake)
            game.click("STM", stake);
        if (side)
            game.click("STRez", side);
        const QStringList before = game.scoreLabels();
        game.boxes.answer(Answer::Ok);
        game.click("CmdM");
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{placeBet});
        QCOMPARE(game.scoreLabels(), before);
        QCOMPARE(game.text("Label1"), placeYourBets);
        QVERIFY(game.scriptUsedUp());
    }

    void stakeShowsCoinsAndMoney_data()
    {
        columns<int, QString>("stake", "money");
        QTest::addRow("one coin") << 1 << QStringLiteral("Можно выиграть:  1000");
        QTest::addRow("three coins") << 3 << QStringLiteral("Можно выиграть:  3000");
        QTest::addRow("ten coins") << 10 << QStringLiteral("Можно выиграть:  10000");
    }

    void stakeShowsCoinsAndMoney()
    {
        QFETCH(int, stake);
        QFETCH(QString, money);
        Corvane game;
        game.click("STM", stake);
        QCOMPARE(game.text("Label2", 2), QStringLiteral("Можно выиграть монет:  ") + QString::number(stake));
        QCOMPARE(game.text("Label2", 3), money);
    }

    void tossOutcome_data()
    {
        columns<int, int, QString, int>("side", "draw", "result", "coins");
        QTest::addRow("heads called, 0") << heads << 0 << headsUp << 18;
        QTest::addRow("heads called, 4") << heads << 4 << headsUp << 18;
        QTest::addRow("heads called, edge") << heads << 5 << onEdge << 18;
        QTest::addRow("heads called, 6") << heads << 6 << tailsUp << 12;
        QTest::addRow("heads called, 9") << heads << 9 << tailsUp << 12;
        QTest::addRow("tails called, 0") << tails << 0 << headsUp << 12;
        QTest::addRow("tails called, 4") << tails << 4 << headsUp << 12;
        QTest::addRow("tails called, edge") << tails << 5 << onEdge << 18;
        QTest::addRow("tails called, 6") << tails << 6 << tailsUp << 18;
        QTest::addRow("tails called, 9") << tails << 9 << tailsUp << 18;
    }

    void tossOutcome()
    {
        QFETCH(int, side);
        QFETCH(int, draw);
        QFETCH(QString, result);
        QFETCH(int, coins);
        Corvane game;
        game.pick(3, side);
        game.toss(draw);
        QCOMPARE(game.text("Label1"), result);
        QCOMPARE(game.text("Label2", 1), coinsCaption(QStringLiteral(" %1").arg(coins)));
        QCOMPARE(game.text("Label2", 4), totalCaption(QStringLiteral(" %1").arg(coins * 1000)));
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>());
        QVERIFY(game.scriptUsedUp());
    }

    void gameLost_data()
    {
        columns<int, int, int>("smallStake", "smallLosses", "lastStake");
        QTest::addRow("exactly nothing left") << 5 << 2 << 5;
        QTest::addRow("10 staked with 3 left") << 4 << 3 << 10;
    }

    void gameLost()
    {
        QFETCH(int, smallStake);
        QFETCH(int, smallLosses);
        QFETCH(int, lastStake);
        Corvane game;
        game.pick(smallStake, heads);
        game.lose(smallLosses);
        game.click("STM", lastStake);
        game.boxes.answer(Answer::Ok);
        game.toss(6);
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{lost});
        QCOMPARE(game.text("Label1"), tailsUp);
        QCOMPARE(game.text("Label2", 1), coinsCaption(" 15"));
        QCOMPARE(game.text("Label2", 4), totalCaption(" 10000"));

        // The new game keeps the choices and counts from 15 coins.
        game.click("STM", 1);
        game.toss(2);
        QCOMPARE(game.text("Label2", 1), coinsCaption(" 16"));
        QCOMPARE(game.text("Label2", 4), totalCaption(" 16000"));
        QVERIFY(game.scriptUsedUp());
    }

    void gameWonAtHundredCoins_data()
    {
        columns<int, bool>("lastStake", "wins");
        QTest::addRow("99 coins") << 4 << false;
        QTest::addRow("exactly 100") << 5 << true;
        QTest::addRow("past 100") << 10 << true;
    }

    void gameWonAtHundredCoins()
    {
        QFETCH(int, lastStake);
        QFETCH(bool, wins);
        Corvane game;
        game.pick(10, tails);
        for (int i = 0; i < 8; ++i)
            game.toss(7);
        QCOMPARE(game.text("Label2", 4), totalCaption(" 95000"));
        game.click("STM", lastStake);
        if (wins)
            game.boxes.answer(Answer::Ok);
        game.toss(5);
        QCOMPARE(game.boxes.takeShown(), wins ? QList<ShownBox>{won} : QList<ShownBox>());
        QCOMPARE(game.text("Label1"), onEdge);
        QCOMPARE(game.text("Label2", 1), coinsCaption(wins ? " 15" : " 99"));
        QCOMPARE(game.text("Label2", 4), totalCaption(wins ? " 10000" : " 99000"));
        QVERIFY(game.scriptUsedUp());
    }

    void keyboardSelectionRaisesClick()
    {
        Corvane game;
        MainWindow& window = *game.window;
        // Arrow keys move among the buttons only in the active window.
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        game.click("STM", 1);
        QTest::keyClick(window.option("STM", 1), Qt::Key_Down);
        QVERIFY(window.option("STM", 2)->isChecked());
        QCOMPARE(game.text("Label2", 2), QStringLiteral("Можно выиграть монет:  2"));
        QTest::keyClick(window.option("STM", 2), Qt::Key_Down);
        QCOMPARE(game.text("Label2", 3), QStringLiteral("Можно выиграть:  3000"));

        window.option("STRez", heads)->setFocus();
        QTest::keyClick(window.option("STRez", heads), Qt::Key_Space);
        QTest::keyClick(window.option("STRez", heads), Qt::Key_Right);
        QVERIFY(window.option("STRez", tails)->isChecked());
        QVERIFY(window.option("STM", 3)->isChecked());
        game.toss(6);
        QCOMPARE(game.text("Label2", 1), coinsCaption(" 18"));
        QVERIFY(game.scriptUsedUp());
    }

    void firstTossesReplayTheGenerator()
    {
        GameHarness<MainWindow, RuntimeRandom> game(program);
        game.click("STM", 1);
        game.click("STRez", heads);
        game.click("CmdM");
        QCOMPARE(game.text("Label1"), tailsUp);
        game.click("CmdM");
        QCOMPARE(game.text("Label1"), onEdge);
        QCOMPARE(game.text("Label2", 1), coinsCaption(" 15"));
    }

    // Some desktop themes draw buttons lighter than windows; in a window that
    // follows the theme, the controls without a colour of their own show the
    // buttons' face all the same.
    void uncolouredControlsShowTheFace()
    {
        QPalette desktop(QColor(0xFC, 0xFC, 0xFC));
        desktop.setColor(QPalette::Window, QColor(0xEF, 0xF0, 0xF1));
        const QPalette before = QApplication::palette();
        const auto restorePalette = qScopeGuard([&] { QApplication::setPalette(before); });
        QApplication::setPalette(desktop);
        ScriptedRandom random;
        ScriptedDialogs boxes;
        Runtime runtime(program, random, boxes);
        const MainWindow window(runtime);
        QList<QWidget*> uncoloured = {window.frame("Сколько"), window.frame("Что"), window.frame("Frame2"),
                                      window.label("Label1"), window.option("STRez", 1), window.option("STRez", 2)};
        for (int stake = 1; stake <= 10; ++stake)
            uncoloured.append(window.option("STM", stake));
        for (const QWidget* control : uncoloured) {
            const QColor shown = control->palette().color(QPalette::Window);
            QVERIFY2(shown == desktop.color(QPalette::Button),
                     qPrintable(QStringLiteral("%1 shows %2").arg(control->objectName(), shown.name())));
        }
    }

    void corvanePlayedByKeysOnly_data()
    {
        // The texts the player sees on the way, in order; the keys are the same.
        columns<QString, QStringList>("language", "texts");
        QTest::addRow("Russian") << "ru"
                                 << QStringList{"Сделайте ставку!", "Можно выиграть монет:  9", "Можно выиграть:  10000",
                                                "На данный момент у Вас монет:  5", "Вы проиграли :( ! Сыграем еще?",
                                                "На данный момент у Вас монет:  15", "Общая сумма:  10000$"};
        QTest::addRow("English") << "en"
                                 << QStringList{"Place your bet!", "Coins to win: 9", "You can win: $10000",
                                                "Your coins: 5", "You lost :( Let's play again!",
                                                "Your coins: 15", "Total: $10000"};
    }

    // A whole game of Corvane lost from the keyboard, with the real boxes.
    void corvanePlayedByKeysOnly()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, texts);
        QApplication::setQuitOnLastWindowClosed(false);
        useLanguage(language);
        const auto restoreLanguage = qScopeGuard([] { useLanguage(sourceLanguage); });
        ScriptedRandom random;
        QtDialogs dialogs;
        Runtime runtime(program, random, dialogs);
        std::unique_ptr<Form> window(openStartupForm<MainWindow>(runtime));
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const auto focus = [] { return nameOf(QApplication::focusWidget()); };
        const auto caption = [&](int index) { return window->label(QStringLiteral("Label2"), index)->text(); };
        QStringList answered;

        QCOMPARE(focus(), QStringLiteral("CmdM"));
        answerNextBox(Qt::Key_Return, answered);
        press(Qt::Key_Enter, Qt::KeypadModifier);  // nothing staked yet
        QCOMPARE(answered, QStringList{texts[0]});

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
        answerNextBox(Qt::Key_Escape, answered);
        press(Qt::Key_Space);
        QCOMPARE(answered.last(), texts[4]);
        QCOMPARE(caption(1), texts[5]);
        QCOMPARE(caption(4), texts[6]);
        reactivateGameWindow();
        QCOMPARE(focus(), QStringLiteral("CmdM"));  // ready for the next game's toss
        QCOMPARE(random.pending(), 0);
        QVERIFY(!runtime.hasEnded());
    }

    // A lost game and a won one in English, the score and every box as an
    // English player reads them.
    void wholeGamesInEnglish()
    {
        useLanguage(QStringLiteral("en"));
        const auto russianAgain = qScopeGuard([] { useLanguage(sourceLanguage); });
        Corvane game;
        QCOMPARE(game.scoreLabels(),
                 (QStringList{"Your coins: 15", "Coins to win:", "You can win: $0", "Total: $15000"}));
        game.boxes.answer(Answer::Ok);
        game.click("CmdM");
        game.pick(5, heads);
        game.lose(2);
        game.boxes.answer(Answer::Ok);
        game.toss(6);
        QCOMPARE(game.text("Label1"), QStringLiteral("Tails!"));
        game.pick(10, tails);
        for (int i = 0; i < 8; ++i)
            game.toss(7);
        game.click("STM", 5);
        QCOMPARE(game.scoreLabels(),
                 (QStringList{"Your coins: 95", "Coins to win: 5", "You can win: $5000", "Total: $95000"}));
        game.boxes.answer(Answer::Ok);
        game.toss(5);
        QCOMPARE(game.text("Label1"), QStringLiteral("Edge!"));
        QCOMPARE(game.boxes.takeShown(),
                 (QList<ShownBox>{{QStringLiteral("Place your bet!"), Style::Information, program},
                                  {QStringLiteral("You lost :( Let's play again!"), Style::Question, program},
                                  {QStringLiteral("You won :) Let's play again!"), Style::Question, program}}));
        QCOMPARE(game.scoreLabels(),
                 (QStringList{"Your coins: 15", "Coins to win: 5", "You can win: $5000", "Total: $10000"}));
        QVERIFY(game.scriptUsedUp());
    }
};

QTEST_MAIN(TestCorvane)
#include "tst_corvane.moc"
