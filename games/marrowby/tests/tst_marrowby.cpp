#include "marrowby/mainwindow.h"
#include "boxes.h"
#include "columns.h"
#include "gameharness.h"
#include "language.h"

#include <QApplication>
#include <QScopeGuard>
#include <QTest>

using namespace shell;
using namespace marrowby::tests;
using marrowby::WarningWindow;
using marrowby::MainWindow;
using marrowby::RulesWindow;

namespace {

struct Marrowby : GameHarness<MainWindow> {
    Marrowby() : GameHarness(program) {}

    void move(int player, int die1, int die2)
    {
        random.pushWhole(die1 - 1, 5);
        random.pushWhole(die2 - 1, 5);
        click(player == 1 ? "cmd1" : "cmd2");
    }

    // Alternating moves, `opener` first, until player 2 has made `moves2` moves.
    void play(int opener, int moves2, int die1, int die2)
    {
        if (opener == 2)
            move(2, die1, die2);
        for (int made = opener == 2 ? 1 : 0; made < moves2; ++made) {
            move(1, die1, die2);
            move(2, die1, die2);
        }
    }
};

// Records the first die and player 2's score as the warning window appears.
struct ShowWatcher : QObject {
    QPointer<MainWindow> game;
    QStringList seen;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<WarningWindow*>(watched))
            seen = {game->textBox("txt1")->text(), game->textBox("txt5")->text()};
        return false;
    }
};

} // namespace

class TestMarrowby : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { deleteOpenWindows(); }

    void startsEmptyAtItsPlace()
    {
        Marrowby game;
        QCOMPARE(game.window->windowTitle(), program);
        QCOMPARE(game.window->geometry(), QRect(313, 84, 454, 364));
        QStringList order;
        for (QWidget* widget : game.window->tabOrder())
            order.append(widget->objectName());
        QCOMPARE(order, QStringList({"cmd1", "txt1", "txt2", "txt3", "txt4", "cmd2", "txt5", "cmd3", "cmd4", "cmd5"}));
        QCOMPARE(game.texts(), QStringList(5));
        QCOMPARE(game.text("lbl2", 1), QStringLiteral("Кость №2"));
        QCOMPARE(game.text("lbl5", 1), QStringLiteral("Счет"));
    }

    void labelsShowThePicture()
    {
        Marrowby game;
        const QImage shot = game.window->grab().toImage();
        const QImage picture(QStringLiteral(":/marrowby/dice.bmp"));
        for (QWidget* label : {game.window->control("lbl3"), game.window->control("lbl4", 0)}) {
            const QPoint corner = label->geometry().bottomRight() - QPoint(2, 2);
            QCOMPARE(shot.pixel(corner), picture.pixel(corner));
        }
    }

    void picturesAreBundled_data()
    {
        columns<QString, QSize>("path", "size");
        QTest::addRow("dice") << ":/marrowby/dice.bmp" << QSize(605, 381);
        QTest::addRow("rules") << ":/marrowby/rules.jpg" << QSize(497, 361);
        QTest::addRow("warning") << ":/marrowby/warning.jpg" << QSize(534, 269);
    }

    void picturesAreBundled()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QCOMPARE(QImage(path).size(), size);
    }

    void eitherPlayerOpens_data()
    {
        columns<int, int, int, QString>("player", "die1", "die2", "prize");
        QTest::addRow("player 1, lowest") << 1 << 1 << 1 << "23997";
        QTest::addRow("player 2, highest") << 2 << 5 << 5 << "39989";
        QTest::addRow("player 1, mixed") << 1 << 4 << 2 << "31993";
    }

    void eitherPlayerOpens()
    {
        QFETCH(int, player);
        QFETCH(int, die1);
        QFETCH(int, die2);
        QFETCH(QString, prize);
        Marrowby game;
        game.move(player, die1, die2);
        const QString digit1 = QString::number(die1), digit2 = QString::number(die2);
        QCOMPARE(game.texts(), player == 1 ? QStringList({digit1, digit2, prize, prize, ""})
                                           : QStringList({digit1, digit2, prize, "", prize}));
        game.move(3 - player, 1, 1);
        QCOMPARE(game.text(player == 1 ? "txt5" : "txt4"), QStringLiteral("23997"));
        QVERIFY(game.scriptUsedUp());
    }

    void clickOutOfTurnOnlyReminds_data()
    {
        QTest::addColumn<int>("player");
        QTest::addRow("player 1 twice") << 1;
        QTest::addRow("player 2 twice") << 2;
    }

    void clickOutOfTurnOnlyReminds()
    {
        QFETCH(int, player);
        Marrowby game;
        game.move(player, 2, 3);
        const QStringList before = game.texts();
        game.boxes.answer(Answer::Ok);
        game.click(player == 1 ? "cmd1" : "cmd2");
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{turnReminder(3 - player)});
        QCOMPARE(game.texts(), before);
        game.move(3 - player, 1, 1);
        QCOMPARE(game.text("txt3"), QStringLiteral("23997"));
        QVERIFY(game.scriptUsedUp());
    }

    void wholeGame_data()
    {
        columns<int, int, int, QList<int>, QString>("opener", "die1", "die2", "player2Dice", "result");
        QTest::addRow("player 1 opens and wins")
            << 1 << 5 << 5 << QList<int>{1, 1} << QStringLiteral("Первый игрок выиграл со счётом  399800 !");
        QTest::addRow("player 1 opens, player 2 wins")
            << 1 << 1 << 1 << QList<int>{2, 1} << QStringLiteral("Второй игрок выиграл со счётом  49975 !");
        // Same dice: player 2's extra move decides.
        QTest::addRow("player 2 opens and wins")
            << 2 << 2 << 2 << QList<int>{2, 2} << QStringLiteral("Второй игрок выиграл со счётом  27995 !");
        QTest::addRow("player 2 opens, player 1 wins")
            << 2 << 3 << 3 << QList<int>{1, 2} << QStringLiteral("Первый игрок выиграл со счётом  117932 !");
        QTest::addRow("draw") << 1 << 2 << 3 << QList<int>{4, 1} << QStringLiteral("НИЧЬЯ!!!!!");
    }

    // Player 1 throws die1/die2 every move, player 2 his own pair.
    void wholeGame()
    {
        QFETCH(int, opener);
        QFETCH(int, die1);
        QFETCH(int, die2);
        QFETCH(QList<int>, player2Dice);
        QFETCH(QString, result);
        Marrowby game;
        if (opener == 2)
            game.move(2, player2Dice[0], player2Dice[1]);
        for (int moves2 = opener == 2 ? 1 : 0; moves2 < 24; ++moves2) {
            QCOMPARE(openWindows<WarningWindow>().size(), 0);
            game.move(1, die1, die2);
            game.move(2, player2Dice[0], player2Dice[1]);
        }
        QCOMPARE(openWindows<WarningWindow>().size(), 1);
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>());

        game.move(1, die1, die2);
        game.boxes.answer(Answer::Ok);
        game.move(2, player2Dice[0], player2Dice[1]);
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{judgement(result)});
        QCOMPARE(game.texts(), QStringList(5));

        game.boxes.answer(Answer::Ok);
        game.click("cmd2");
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{turnReminder(1)});
        game.move(1, 1, 1);
        QCOMPARE(game.text("txt4"), QStringLiteral("23997"));
        QVERIFY(game.scriptUsedUp());
    }

    void warningComesBeforeTheDiceEveryGame()
    {
        Marrowby game;
        ShowWatcher watcher;
        watcher.game = game.window;
        qApp->installEventFilter(&watcher);
        game.play(1, 23, 1, 1);
        game.move(1, 1, 1);
        game.move(2, 5, 5);
        qApp->removeEventFilter(&watcher);
        QCOMPARE(watcher.seen, QStringList({"1", "551931"}));  // 23 × 23997
        QCOMPARE(game.text("txt1"), QStringLiteral("5"));

        game.boxes.answer(Answer::Ok);
        game.play(1, 1, 1, 1);

        // Still open from the last game: it stays the one window.
        game.play(1, 24, 1, 1);
        QCOMPARE(openWindows<WarningWindow>().size(), 1);
        game.boxes.answer(Answer::Ok);
        game.play(1, 1, 1, 1);

        // Closed by the player: the next game opens it again.
        openWindows<WarningWindow>().first()->close();
        QCOMPARE(openWindows<WarningWindow>().size(), 0);
        game.play(1, 24, 1, 1);
        QCOMPARE(openWindows<WarningWindow>().size(), 1);
        QCOMPARE(openWindows<WarningWindow>().first()->geometry(), QRect(274, 144, 526, 264));
        QVERIFY(game.scriptUsedUp());
    }

    void newGameKeepsTheTurn_data()
    {
        QTest::addColumn<int>("lastMover");
        QTest::addRow("player 1 moved last") << 1;
        QTest::addRow("player 2 moved last") << 2;
    }

    void newGameKeepsTheTurn()
    {
        QFETCH(int, lastMover);
        Marrowby game;
        game.play(1, 10, 3, 3);
        if (lastMover == 1)
            game.move(1, 3, 3);
        game.click("cmd4");
        QCOMPARE(game.texts(), QStringList(5));
        game.boxes.answer(Answer::Ok);
        game.click(lastMover == 1 ? "cmd1" : "cmd2");
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{turnReminder(3 - lastMover)});

        // Player 2's count starts again: no warning until the new game's 24th move.
        game.play(3 - lastMover, 23, 1, 1);
        QCOMPARE(openWindows<WarningWindow>().size(), 0);
        QCOMPARE(game.text("txt5"), QStringLiteral("551931"));
        QVERIFY(game.scriptUsedUp());
    }

    void rulesWindowIsSingle()
    {
        Marrowby game;
        for (int i = 0; i < 3; ++i)
            game.click("cmd3");
        QCOMPARE(openWindows<RulesWindow>().size(), 1);
        RulesWindow* rules = openWindows<RulesWindow>().first();
        QCOMPARE(rules->windowTitle(), QStringLiteral("Правила игры"));
        QCOMPARE(rules->geometry(), QRect(23, 427, 491, 346));

        game.move(1, 2, 2);  // the game goes on beside it
        QCOMPARE(game.text("txt4"), QStringLiteral("27995"));
        rules->close();
        QCOMPARE(openWindows<RulesWindow>().size(), 0);
        game.click("cmd3");
        QCOMPARE(openWindows<RulesWindow>().size(), 1);
    }

    void exitAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addRow("no") << Answer::No;
        QTest::addRow("yes") << Answer::Yes;
    }

    void exitAsksFirst()
    {
        QFETCH(int, answer);
        Marrowby game;
        game.move(1, 4, 4);
        game.click("cmd3");
        game.boxes.answer(answer);
        game.click("cmd5");
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{exitQuestion});
        const bool quits = answer == Answer::Yes;
        QCOMPARE(game.runtime.hasEnded(), quits);
        QCOMPARE(openWindows<Form>().size(), quits ? 0 : 2);
        if (!quits) {
            game.move(2, 1, 1);
            QCOMPARE(game.texts(), QStringList({"1", "1", "23997", "35991", "23997"}));
        }
    }

    void everyStartReplaysTheDice()
    {
        QStringList throws[2];
        for (QStringList& seen : throws) {
            GameHarness<MainWindow, RuntimeRandom> game(program);
            for (const char* name : {"cmd1", "cmd2", "cmd1"}) {
                game.click(name);
                seen << game.text("txt1") << game.text("txt2");
            }
        }
        QCOMPARE(throws[0], throws[1]);
        for (const QString& die : throws[0])
            QVERIFY2(QStringList({"1", "2", "3", "4", "5"}).contains(die), qPrintable(die));
    }

    // One whole game in English, every box as an English player reads it.
    void wholeGameInEnglish()
    {
        useLanguage(QStringLiteral("en"));
        const auto russianAgain = qScopeGuard([] { useLanguage(sourceLanguage); });
        Marrowby game;
        QCOMPARE(game.text("lbl3"), QStringLiteral("Prize"));
        QCOMPARE(game.text("lbl4", 0), QStringLiteral("Score"));
        game.move(1, 5, 5);
        game.boxes.answer(Answer::Ok);
        game.click("cmd1");
        game.move(2, 1, 1);
        for (int moves2 = 1; moves2 < 24; ++moves2) {
            game.move(1, 5, 5);
            game.move(2, 1, 1);
        }
        QCOMPARE(openWindows<WarningWindow>().first()->windowTitle(), QStringLiteral("Warning!"));
        game.move(1, 5, 5);
        game.boxes.answer(Answer::Ok);
        game.move(2, 1, 1);
        game.boxes.answer(Answer::No);
        game.click("cmd5");
        QCOMPARE(game.boxes.takeShown(),
                 (QList<ShownBox>{{QStringLiteral("It's Player 2's turn now"), Style::Ok, QStringLiteral("Marrowby")},
                                  {QStringLiteral("Player 1 wins by 399800 points!"), Style::Exclamation, QStringLiteral("Game Over")},
                                  {QStringLiteral("Do you really want to end the game?"), Style::YesNo | Style::Question,
                                   QStringLiteral("Exit Game")}}));
        QVERIFY(game.scriptUsedUp());
    }
};

QTEST_MAIN(TestMarrowby)
#include "tst_marrowby.moc"
