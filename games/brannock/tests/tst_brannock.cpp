#include "brannock/mainwindow.h"
#include "boxes.h"
#include "columns.h"
#include "gameharness.h"
#include "language.h"

#include <QScopeGuard>
#include <QTest>

using namespace shell;
using namespace brannock::tests;
using brannock::MainWindow;

namespace {

const QStringList cleared(7, QString());

// The text boxes in the order of their names: Text, txt1, txt2, txta, txtb, txtc, txtd.
struct Brannock : GameHarness<MainWindow> {
    Brannock() : GameHarness(program) {}

    void registerAs(const QString& name)
    {
        boxes.type(name);
        click("CmdR");
    }

    void throwDice(int player1, int player2, int computer1, int computer2, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            for (int die : {player1, player2, computer1, computer2})
                random.pushWhole(die - 1, 5);
            click("cmd1");
        }
    }

    // 34 throws of double fives: the computer ends on 1020000.
    void loseAGame()
    {
        throwDice(1, 1, 5, 5, 33);
        boxes.answer(Answer::Ok);
        throwDice(1, 1, 5, 5);
        boxes.takeShown();
    }
};

} // namespace

class TestBrannock : public QObject {
    Q_OBJECT

private slots:
    void opensAtItsPlaceWithFocusOnTheMoney()
    {
        Brannock game;
        QCOMPARE(game.window->windowTitle(), program);
        QCOMPARE(game.window->geometry(), QRect(159, 23, 662, 261));
        QCOMPARE(game.window->tabOrder().first(), game.window->textBox("txt1"));
        QCOMPARE(game.window->control("Line3", 4)->geometry(), QRect(640, 8, 1, 65));
        QCOMPARE(game.texts(), cleared);
    }

    void throwsWaitForRegistration()
    {
        Brannock game;
        game.boxes.answer(Answer::Ok);
        game.boxes.answer(Answer::Ok);
        game.click("cmd1");
        game.click("cmd1");
        QCOMPARE(game.boxes.takeShown(), (QList<ShownBox>{reminder, reminder}));
        QCOMPARE(game.texts(), cleared);
        QVERIFY(game.scriptUsedUp());
    }

    void registration_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("name") << QStringLiteral("Иван Петров");
        QTest::addRow("cancel") << QString();
        QTest::addRow("markup shows as typed") << QStringLiteral("<b>x</b>");
    }

    void registration()
    {
        QFETCH(QString, name);
        Brannock game;
        game.registerAs(name);
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{brannock::tests::registration});
        QLabel* nameLabel = game.window->label("Lbln");
        QCOMPARE(nameLabel->text(), name);
        QCOMPARE(nameLabel->textFormat(), Qt::PlainText);

        game.throwDice(3, 5, 2, 4);
        QCOMPARE(game.texts(), (QStringList{"Ход №  1", "24000", "18000", "3", "5", "2", "4"}));
        game.window->textBox("txt1")->setText(QStringLiteral("999999"));  // the game never reads it back
        game.throwDice(1, 2, 5, 4);
        QCOMPARE(game.texts(), (QStringList{"Ход №  2", "33000", "45000", "1", "2", "5", "4"}));

        game.registerAs(QStringLiteral("Другой"));
        game.throwDice(1, 1, 1, 1);
        QCOMPARE(nameLabel->text(), QStringLiteral("Другой"));
        QCOMPARE(game.text("Text"), QStringLiteral("Ход №  3"));
        QVERIFY(game.scriptUsedUp());
    }

    // The player is checked first and wins before the computer's row and
    // the throw number are written.
    void anAccountPassingAMillionEndsTheGame_data()
    {
        columns<int, int, ShownBox, QStringList>("playerDie", "computerDie", "box", "behindBox");
        QTest::addRow("player") << 5 << 1 << playerWins
                                << QStringList{"Ход №  33", "1020000", "198000", "5", "5", "1", "1"};
        QTest::addRow("computer") << 1 << 5 << computerWins
                                  << QStringList{"Ход №  34", "204000", "1020000", "1", "1", "5", "5"};
        QTest::addRow("both, the player's only") << 5 << 5 << playerWins
                                                 << QStringList{"Ход №  33", "1020000", "990000", "5", "5", "5", "5"};
    }

    void anAccountPassingAMillionEndsTheGame()
    {
        QFETCH(int, playerDie);
        QFETCH(int, computerDie);
        QFETCH(ShownBox, box);
        QFETCH(QStringList, behindBox);
        Brannock game;
        game.registerAs(QStringLiteral("Иван"));
        game.throwDice(playerDie, playerDie, computerDie, computerDie, 33);
        QCOMPARE(game.boxes.takeShown().size(), 1);  // the input box only

        game.boxes.answer(Answer::Ok);
        game.throwDice(playerDie, playerDie, computerDie, computerDie);
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{box});
        QCOMPARE(game.behind.last(), behindBox);
        QCOMPARE(game.texts(), cleared);

        game.throwDice(2, 1, 1, 3);
        QCOMPARE(game.texts(), (QStringList{"Ход №  0", "9000", "12000", "2", "1", "1", "3"}));
        QCOMPARE(game.window->label("Lbln")->text(), QStringLiteral("Иван"));
        QVERIFY(game.scriptUsedUp());
    }

    // Later games start numbering at 0 and so last one throw longer.
    void gameOverWhenTheThrowsRunOut_data()
    {
        columns<bool, int>("laterGame", "throws");
        QTest::addRow("first game") << false << 50;
        QTest::addRow("later game") << true << 51;
    }

    void gameOverWhenTheThrowsRunOut()
    {
        QFETCH(bool, laterGame);
        QFETCH(int, throws);
        Brannock game;
        game.registerAs(QString());
        if (laterGame)
            game.loseAGame();
        game.throwDice(1, 2, 2, 1, throws - 1);
        QCOMPARE(game.text("Text"), QStringLiteral("Ход №  49"));
        game.boxes.answer(Answer::Ok);
        game.throwDice(1, 2, 2, 1);
        QCOMPARE(game.boxes.takeShown().last(), gameOver);
        QCOMPARE(game.behind.last(),
                 QStringList({"Ход №  50", QString::number(throws * 9000), QString::number(throws * 9000), "1", "2",
                              "2", "1"}));
        QCOMPARE(game.texts(), cleared);
        QVERIFY(game.scriptUsedUp());
    }

    void runningOutOutranksTheComputersMillion()
    {
        Brannock game;
        game.registerAs(QString());
        game.throwDice(1, 1, 3, 4, 47);  // 987000
        game.throwDice(1, 1, 1, 1, 2);   // 999000
        game.boxes.answer(Answer::Ok);
        game.throwDice(1, 1, 5, 5);
        QCOMPARE(game.boxes.takeShown().last(), gameOver);
        QCOMPARE(game.behind.last().at(2), QStringLiteral("1029000"));
        QVERIFY(game.scriptUsedUp());
    }

    void introduction_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addRow("yes plays on") << Answer::Yes;
        QTest::addRow("no ends") << Answer::No;
    }

    void introduction()
    {
        QFETCH(int, answer);
        Brannock game;
        game.registerAs(QString());
        game.throwDice(2, 2, 3, 3);
        const QStringList before = game.texts();
        game.boxes.answer(answer);
        game.click("cmd2");
        QCOMPARE(game.boxes.takeShown().last(), brannock::tests::introduction);
        QCOMPARE(game.runtime.hasEnded(), answer == Answer::No);
        QCOMPARE(game.window->isVisible(), answer == Answer::Yes);
        QCOMPARE(game.texts(), before);
        if (answer == Answer::Yes) {
            game.throwDice(1, 1, 1, 1);
            QCOMPARE(game.text("Text"), QStringLiteral("Ход №  2"));
        }
        QVERIFY(game.scriptUsedUp());
    }

    // A lost game and a won one in English, every box as an English player
    // reads it.
    void wholeGamesInEnglish()
    {
        useLanguage(QStringLiteral("en"));
        const auto russianAgain = qScopeGuard([] { useLanguage(sourceLanguage); });
        Brannock game;
        QCOMPARE(game.window->label("lbl1", 0)->text(), QStringLiteral("Player 1"));
        QCOMPARE(game.window->button("CmdR")->text(), QStringLiteral("Register"));
        game.boxes.answer(Answer::Ok);
        game.click("cmd1");
        game.registerAs(QStringLiteral("Ivan Petrov"));
        game.throwDice(1, 1, 5, 5, 33);
        game.boxes.answer(Answer::Ok);
        game.throwDice(1, 1, 5, 5);
        game.throwDice(5, 5, 1, 1, 33);
        QCOMPARE(game.text("Text"), QStringLiteral("Throw 32"));
        game.boxes.answer(Answer::Ok);
        game.throwDice(5, 5, 1, 1);
        game.boxes.answer(Answer::Yes);
        game.click("cmd2");
        const QString over = QStringLiteral("Game Over");
        QCOMPARE(game.boxes.takeShown(),
                 (QList<ShownBox>{
                     {QStringLiteral("What, forgot to register? It happens."), Style::Ok, QStringLiteral("Register, Rookie")},
                     {QStringLiteral("Enter your full name:"), 0, QStringLiteral("Register"), true},
                     {QStringLiteral("Game over. You lost. Ha Ha Ha!!!!"), Style::Exclamation, over},
                     {QStringLiteral("Congratulations, you've won a million!"), Style::Exclamation, over},
                     {QStringLiteral("Welcome to Brannock! If you can't wait to win a million, go ahead. Just don't "
                                     "forget to register. Are you ready to play Ordwyn?"),
                      Style::Question | Style::YesNo, QStringLiteral("End of Registration")}}));
        QVERIFY(game.scriptUsedUp());
    }
};

QTEST_MAIN(TestBrannock)
#include "tst_brannock.moc"
