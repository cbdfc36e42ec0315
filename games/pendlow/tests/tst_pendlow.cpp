#include "pendlow/mainwindow.h"
#include "boxes.h"
#include "columns.h"
#include "gameharness.h"
#include "language.h"

#include <QScopeGuard>
#include <QTest>

using namespace shell;
using namespace pendlow::tests;
using pendlow::MainWindow;

namespace {

struct Pendlow : GameHarness<MainWindow> {
    Pendlow() : GameHarness(program) {}

    void throwOnce(int player, int computer)
    {
        random.pushWhole(player, 10000);
        random.pushWhole(computer, 10000);
        click(QStringLiteral("Cmd1"));
    }

    void throwTimes(int times, int player, int computer)
    {
        for (int i = 0; i < times; ++i)
            throwOnce(player, computer);
    }

    // Eighteen equal throws: the game-over box is answered and play goes on.
    void tieAt18(int points)
    {
        throwTimes(17, points, points);
        boxes.answer(Answer::Ok);
        throwOnce(points, points);
    }
};

} // namespace

class TestPendlow : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithFocusOnThrow()
    {
        Pendlow game;
        QCOMPARE(game.window->windowTitle(), QStringLiteral(" Компьютерная кость"));
        QCOMPARE(game.window->size(), QSize(533, 241));
        QCOMPARE(game.window->button("Cmd1")->geometry(), QRect(64, 104, 105, 41));
        QCOMPARE(game.window->tabOrder().first(), game.window->button("Cmd1"));
        QCOMPARE(game.text("Lbl3"), QString());
        QCOMPARE(game.text("Lbl5", 1), QStringLiteral("Очки"));
    }

    void firstThrowsReplayTheGenerator()
    {
        GameHarness<MainWindow, RuntimeRandom> game(program);
        game.click("Cmd1");
        QCOMPARE(game.texts(), QStringList({"7055", "5334", "7055", "5334"}));  // Txt1 to Txt4
        QCOMPARE(game.text("Lbl3"), QStringLiteral("Ход № 1"));
    }

    void throwEdges_data()
    {
        columns<int, int>("player", "computer");
        QTest::addRow("zero") << 0 << 0;
        QTest::addRow("largest") << 9999 << 9999;
        QTest::addRow("mixed") << 1 << 9998;
    }

    void throwEdges()
    {
        QFETCH(int, player);
        QFETCH(int, computer);
        Pendlow game;
        game.throwOnce(player, computer);
        QCOMPARE(game.text("Txt1"), QString::number(player));
        QCOMPARE(game.text("Txt2"), QString::number(computer));
        game.throwOnce(player, computer);
        QCOMPARE(game.text("Txt3"), QString::number(2 * player));
        QCOMPARE(game.text("Txt4"), QString::number(2 * computer));
        QVERIFY(game.scriptUsedUp());
    }

    void gameEndsAtThrow18_data()
    {
        columns<int, int, QString>("player", "computer", "result");
        QTest::addRow("player wins") << 5000 << 4000 << QStringLiteral("Ваш выигрыш  18000");
        QTest::addRow("computer wins") << 1 << 9999 << QStringLiteral("Выигрыш компьютера  179964");
    }

    void gameEndsAtThrow18()
    {
        QFETCH(int, player);
        QFETCH(int, computer);
        QFETCH(QString, result);
        Pendlow game;
        game.throwTimes(17, player, computer);
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>());
        game.boxes.answer(Answer::Ok);
        game.boxes.answer(Answer::Ok);
        game.throwOnce(player, computer);
        QCOMPARE(game.boxes.takeShown(), (QList<ShownBox>{gameOver, pendlow::tests::result(result)}));
        // The reset leaves the boxes showing the last game.
        QCOMPARE(game.text("Lbl3"), QStringLiteral("Ход № 18"));
        QCOMPARE(game.text("Txt3"), QString::number(18 * player));

        game.throwOnce(7, 3);
        QCOMPARE(game.text("Lbl3"), QStringLiteral("Ход № 1"));
        QCOMPARE(game.text("Txt3"), QStringLiteral("7"));
        QCOMPARE(game.text("Txt4"), QStringLiteral("3"));
        QVERIFY(game.scriptUsedUp());
    }

    void tieAt18PlaysOnToAMillion()
    {
        Pendlow game;
        game.tieAt18(5000);
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{gameOver});

        game.throwOnce(9999, 0);
        QCOMPARE(game.text("Lbl3"), QStringLiteral("Ход № 19"));
        game.throwTimes(90, 9999, 0);  // 90000 + 91 * 9999 = 999909
        QCOMPARE(game.text("Txt3"), QStringLiteral("999909"));
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>());

        game.boxes.answer(Answer::Ok);
        game.throwOnce(9999, 0);
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{millionaire});
        QCOMPARE(game.text("Txt3"), QStringLiteral("1009908"));

        game.boxes.answer(Answer::Ok);
        game.click("cmd2");
        QCOMPARE(game.boxes.takeShown().first().prompt, youFirst.prompt);
        QVERIFY(game.scriptUsedUp());
    }

    void bothMillionairesOnOneThrowShowsOnlyThePlayer()
    {
        Pendlow game;
        game.tieAt18(9000);
        game.throwTimes(93, 9000, 9000);  // 111 throws: 999000 each
        QCOMPARE(game.text("Txt4"), QStringLiteral("999000"));
        game.boxes.takeShown();

        game.boxes.answer(Answer::Ok);
        game.throwOnce(9000, 9000);
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{millionaire});
        game.throwOnce(1, 2);
        QCOMPARE(game.text("Lbl3"), QStringLiteral("Ход № 1"));
        QCOMPARE(game.text("Txt4"), QStringLiteral("2"));
        QVERIFY(game.scriptUsedUp());
    }

    void aMillionExactlyEndsTheGame_data()
    {
        QTest::addColumn<bool>("player");
        QTest::addRow("player") << true;
        QTest::addRow("computer") << false;
    }

    // A tie at throw 18 plays on: 90000 + 91 × 9999 + 91 lands on 1000000.
    void aMillionExactlyEndsTheGame()
    {
        QFETCH(bool, player);
        Pendlow game;
        const auto throwFor = [&](int points) { game.throwOnce(player ? points : 0, player ? 0 : points); };
        game.tieAt18(5000);
        for (int i = 0; i < 91; ++i)
            throwFor(9999);
        game.boxes.takeShown();
        game.boxes.answer(Answer::Ok);
        throwFor(91);
        QCOMPARE(game.text(player ? "Txt3" : "Txt4"), QStringLiteral("1000000"));
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{player ? millionaire : computerMillionaire});
        game.throwOnce(1, 2);
        QCOMPARE(game.text("Lbl3"), QStringLiteral("Ход № 1"));
        QVERIFY(game.scriptUsedUp());
    }

    void computerButtonAnswersOnly()
    {
        Pendlow game;
        game.boxes.answer(Answer::Ok);
        game.click("cmd2");
        game.throwOnce(10, 20);
        game.boxes.answer(Answer::Ok);
        game.click("cmd2");
        QCOMPARE(game.boxes.takeShown(), (QList<ShownBox>{youFirst, computerHasThrown}));
        QCOMPARE(game.text("Txt1"), QStringLiteral("10"));
        QVERIFY(game.scriptUsedUp());
    }

    void exitEndsAtOnce()
    {
        Pendlow game;
        game.click("Cmd3");
        QVERIFY(game.runtime.hasEnded());
        QVERIFY(!game.window->isVisible());
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>());
    }

    void enterAndSpaceThrow()
    {
        Pendlow game;
        game.random.pushWhole(1, 10000);
        game.random.pushWhole(2, 10000);
        QTest::keyClick(game.window->button("Cmd1"), Qt::Key_Return);
        game.random.pushWhole(3, 10000);
        game.random.pushWhole(4, 10000);
        QTest::keyClick(game.window->button("Cmd1"), Qt::Key_Space);
        QCOMPARE(game.text("Lbl3"), QStringLiteral("Ход № 2"));
        QCOMPARE(game.text("Txt3"), QStringLiteral("4"));
    }

    // Three whole games in English, every box as an English player reads it.
    void wholeGamesInEnglish()
    {
        useLanguage(QStringLiteral("en"));
        const auto russianAgain = qScopeGuard([] { useLanguage(sourceLanguage); });
        Pendlow game;
        game.boxes.answer(Answer::Ok);
        game.click("cmd2");
        game.throwOnce(5000, 4000);
        QCOMPARE(game.text("Lbl3"), QStringLiteral("Throw 1"));
        game.boxes.answer(Answer::Ok);
        game.click("cmd2");
        // The two boxes at the end of each game, the 18th throw.
        game.boxes.answer(Answer::Ok);
        game.boxes.answer(Answer::Ok);
        game.throwTimes(17, 5000, 4000);
        game.boxes.answer(Answer::Ok);
        game.boxes.answer(Answer::Ok);
        game.throwTimes(18, 1, 9999);
        game.boxes.answer(Answer::Ok);
        game.boxes.answer(Answer::Ok);
        game.throwOnce(1, 0);
        game.throwTimes(17, 0, 0);
        const ShownBox over{QStringLiteral("Game over!"), Style::Exclamation, QStringLiteral("Computer Dice")};
        const QString title = QStringLiteral("Game Over");
        QCOMPARE(game.boxes.takeShown(),
                 (QList<ShownBox>{{QStringLiteral("You go first"), Style::Ok, QStringLiteral("Throw")},
                                  {QStringLiteral("The computer has already made its move!"), Style::Ok, QStringLiteral("Throw")},
                                  over, {QStringLiteral("You win by 18000 points"), Style::Exclamation, title},
                                  over, {QStringLiteral("The computer wins by 179964 points"), Style::Exclamation, title},
                                  over, {QStringLiteral("You win by 1 point"), Style::Exclamation, title}}));
        QVERIFY(game.scriptUsedUp());
    }
};

QTEST_MAIN(TestPendlow)
#include "tst_pendlow.moc"
