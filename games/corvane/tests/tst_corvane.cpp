#include "corvane/mainwindow.h"
#include "gameharness.h"
#include "language.h"
#include "qtdialogs.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <memory>

using namespace shell;
using corvane::MainWindow;

namespace {

constexpr int heads = 1;
constexpr int tails = 2;

const QString program = QStringLiteral("Corvane");
const ShownBox placeBet{QStringLiteral("Сделайте ставку!"), Style::Information, program};
const ShownBox lost{QStringLiteral("Вы проиграли :( ! Сыграем еще?"), Style::Question, program};
const ShownBox won{QStringLiteral("Вы выиграли :) ! Сыграем еще?"), Style::Question, program};

QString coinsCaption(const QString& number) { return QStringLiteral("На данный момент у Вас монет: ") + number; }
QString totalCaption(const QString& number) { return QStringLiteral("Общая сумма: ") + number + QStringLiteral("$"); }

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

        QCOMPARE(game.text("Label1"), QStringLiteral("Делайте Ваши ставки"));
        QCOMPARE(game.scoreLabels(),
                 (QStringList{coinsCaption("15"), QStringLiteral("Можно выиграть монет: "),
                              QStringLiteral("Можно выиграть: 0$"), QStringLiteral(" Общая сумма: 15000 $")}));
    }

    void tossNeedsStakeAndSide_data()
    {
        QTest::addColumn<int>("stake");
        QTest::addColumn<int>("side");
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
        QCOMPARE(game.text("Label1"), QStringLiteral("Делайте Ваши ставки"));
        QVERIFY(game.scriptUsedUp());
    }

    void stakeShowsCoinsAndMoney_data()
    {
        QTest::addColumn<int>("stake");
        QTest::addColumn<QString>("money");
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
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("coins");
        const QString headsUp = QStringLiteral("Орел!");
        const QString tailsUp = QStringLiteral("Решка!");
        const QString onEdge = QStringLiteral("Ребро!");
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
        QTest::addColumn<int>("smallStake");
        QTest::addColumn<int>("smallLosses");
        QTest::addColumn<int>("lastStake");
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
        QCOMPARE(game.text("Label1"), QStringLiteral("Решка!"));
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
        QTest::addColumn<int>("lastStake");
        QTest::addColumn<bool>("wins");
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
        QCOMPARE(game.text("Label1"), QStringLiteral("Ребро!"));
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
        RuntimeRandom random;
        ScriptedDialogs boxes;
        Runtime runtime(program, random, boxes);
        const std::unique_ptr<MainWindow> window(openStartupForm<MainWindow>(runtime));
        QTest::mouseClick(window->option("STM", 1), Qt::LeftButton);
        QTest::mouseClick(window->option("STRez", heads), Qt::LeftButton);
        QTest::mouseClick(window->button("CmdM"), Qt::LeftButton);
        QCOMPARE(window->label("Label1")->text(), QStringLiteral("Решка!"));
        QTest::mouseClick(window->button("CmdM"), Qt::LeftButton);
        QCOMPARE(window->label("Label1")->text(), QStringLiteral("Ребро!"));
        QCOMPARE(window->label("Label2", 1)->text(), coinsCaption(" 15"));
    }
    // A lost game and a won one in English, the score and every box as an
    // English player reads them.
    void wholeGamesInEnglish()
    {
        useLanguage(QStringLiteral("en"));
        const auto russianAgain = qScopeGuard([] { useLanguage(sourceLanguage); });
        Corvane game;
        QCOMPARE(game.scoreLabels(),
                 (QStringList{"Your coins: 15", "Coins to win: ", "You can win: $0", " Total: $15000"}));
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
                 (QStringList{"Your coins: 95", "Coins to win: 5", "You can win: 5000", "Total: $95000"}));
        game.boxes.answer(Answer::Ok);
        game.toss(5);
        QCOMPARE(game.text("Label1"), QStringLiteral("Edge!"));
        QCOMPARE(game.boxes.takeShown(),
                 (QList<ShownBox>{{QStringLiteral("Place your bet!"), Style::Information, program},
                                  {QStringLiteral("You lost :( Let's play again!"), Style::Question, program},
                                  {QStringLiteral("You won :) Let's play again!"), Style::Question, program}}));
        QCOMPARE(game.scoreLabels(),
                 (QStringList{"Your coins: 15", "Coins to win: 5", "You can win: 5000", "Total: $10000"}));
        QVERIFY(game.scriptUsedUp());
    }
};

QTEST_MAIN(TestCorvane)
#include "tst_corvane.moc"
