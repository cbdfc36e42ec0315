#include "quillsey/mainwindow.h"
#include "quillsey/ruleswindow.h"
#include "boxes.h"
#include "columns.h"
#include "gameharness.h"
#include "language.h"

#include <QLabel>
#include <QScopeGuard>
#include <QTest>

using namespace shell;
using namespace quillsey::tests;
using quillsey::MainWindow;
using quillsey::RulesWindow;

namespace {

struct Quillsey : GameHarness<MainWindow> {
    Quillsey() : GameHarness(program) {}

    void launch(const QString& button, int first, int second, int third)
    {
        for (int draw : {first, second, third})
            random.pushWhole(draw, 1000);
        click(button);
    }

    // txt1, txt2, ... in turn.
    void fill(const QStringList& texts)
    {
        const QList<QLineEdit*> boxes = textBoxes(*window);
        for (qsizetype i = 0; i < texts.size(); ++i)
            boxes[i]->setText(texts[i]);
    }
};

} // namespace

class TestQuillsey : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { deleteOpenWindows(); }

    void startsEmptyWithBoxesOverLabels()
    {
        Quillsey game;
        QCOMPARE(game.window->windowTitle(), program);
        QCOMPARE(game.window->size(), QSize(428, 336));
        QCOMPARE(game.texts(), QStringList(6));
        QCOMPARE(game.window->tabOrder().first(), game.window->textBox("txt1"));
        QCOMPARE(game.text("cmd5").front(), QChar(0x0415));
        // Each label's caption shows above the box that covers its lower part.
        QCOMPARE(game.window->childAt(200, 55), game.window->label("Label1"));
        QCOMPARE(game.window->childAt(200, 80), game.window->textBox("txt4"));
        QCOMPARE(game.window->childAt(200, 125), game.window->label("Label2"));
        QCOMPARE(game.window->childAt(200, 140), game.window->textBox("txt5"));
        QCOMPARE(game.window->childAt(200, 235), game.window->label("Label3"));
        QCOMPARE(game.window->childAt(200, 245), game.window->textBox("txt6"));
    }

    void launchShowsTheThirdOfThreeDraws_data()
    {
        columns<QString, int, int, QString>("button", "box", "third", "shown");
        QTest::addRow("Пуск1") << "cmd1" << 0 << 512 << "  512   ";
        QTest::addRow("Пуск2, one digit") << "cmd2" << 1 << 7 << "  7   ";
        QTest::addRow("Пуск3, zero") << "cmd3" << 2 << 0 << "  0   ";
        QTest::addRow("largest") << "cmd1" << 0 << 999 << "  999   ";
    }

    void launchShowsTheThirdOfThreeDraws()
    {
        QFETCH(QString, button);
        QFETCH(int, box);
        QFETCH(int, third);
        QFETCH(QString, shown);
        Quillsey game;
        const QStringList before(6, QStringLiteral("x"));
        game.fill(before);
        game.launch(button, 998, 1, third);
        QStringList expected = before;
        expected[box] = shown;
        QCOMPARE(game.texts(), expected);
        QVERIFY(game.scriptUsedUp());

        game.launch(button, 3, 4, 42);
        QCOMPARE(game.texts()[box], QStringLiteral("  42   "));
        QVERIFY(game.scriptUsedUp());
    }

    void pointsMoneyAndMillion_data()
    {
        columns<QStringList, QString, QString, QString, QString>("fields", "stake", "points", "money", "verdict");
        const QStringList nines = {"  999   ", "  999   ", "  999   "};
        QTest::addRow("500 600 700 at 250") << QStringList{"  500   ", "  600   ", "  700   "} << "250"
                                            << "450000" << "1350000" << millionaire;
        QTest::addRow("400 500 600 at 200") << QStringList{"  400   ", "  500   ", "  600   "} << "200"
                                            << "300000" << "900000" << consolation;
        QTest::addRow("empty fields") << QStringList{"", "", ""} << "200" << "0" << "0" << consolation;
        QTest::addRow("fractional stake")
            << QStringList{"  1   ", "", ""} << "0.1" << "0.1" << "0.3" << consolation;
        QTest::addRow("stake 1000") << nines << "1000" << "2997000" << "8991000" << millionaire;
        QTest::addRow("huge stake") << nines << "1E+300" << "2.997E+303" << "8.991E+303" << millionaire;
        QTest::addRow("negative stake") << nines << " -200 " << "-599400" << "-1798200" << consolation;
        QTest::addRow("typed fields read leniently")
            << QStringList{"12 рублей", "abc", " -2.5e1"} << "10" << "-130" << "-390" << consolation;
    }

    void pointsMoneyAndMillion()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, stake);
        QFETCH(QString, points);
        QFETCH(QString, money);
        QFETCH(QString, verdict);
        Quillsey game;
        game.fill(fields + QStringList{stake});
        game.click("cmd4");
        game.click("cmd6");
        game.boxes.answer(Answer::Ok);
        game.click("cmd7");
        QCOMPARE(game.texts(), (fields + QStringList{stake, points, money}));
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{verdictBox(verdict)});
    }

    void millionItselfIsNoMillion_data()
    {
        columns<QString, QString>("money", "verdict");
        QTest::addRow("1000000") << "1000000" << consolation;
        QTest::addRow("1000001") << "1000001" << millionaire;
        QTest::addRow("a kopeck over, in blanks") << " 1000000.01 " << millionaire;
        QTest::addRow("exponent form") << "1E+07" << millionaire;
    }

    void millionItselfIsNoMillion()
    {
        QFETCH(QString, money);
        QFETCH(QString, verdict);
        Quillsey game;
        game.fill({"", "", "", "", "", money});
        game.boxes.answer(Answer::Ok);
        game.click("cmd7");
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{verdictBox(verdict)});
        QCOMPARE(game.text("txt6"), money);
    }

    void playThroughUsesWhatTheBoxesHold()
    {
        Quillsey game;
        game.launch("cmd1", 1, 2, 500);
        game.launch("cmd2", 3, 4, 600);
        game.launch("cmd3", 5, 6, 700);
        QTest::keyClicks(game.window->textBox("txt4"), QStringLiteral("250"));
        game.click("cmd4");
        game.click("cmd6");
        game.boxes.answer(Answer::Ok);
        game.click("cmd7");
        QCOMPARE(game.boxes.takeShown().first().prompt, millionaire);

        // A new launch leaves the points and money as they were.
        game.launch("cmd1", 7, 8, 9);
        QCOMPARE(game.texts(), (QStringList{"  9   ", "  600   ", "  700   ", "250", "450000", "1350000"}));
        QVERIFY(game.scriptUsedUp());
    }

    void faultsShowTheErrorAndLoseNothing_data()
    {
        columns<QStringList, QString, ErrorCode>("texts", "button", "error");
        const ErrorCode mismatch = ErrorCode::TypeMismatch;
        const ErrorCode overflow = ErrorCode::Overflow;
        const QStringList f = {"  500   ", "  600   ", "  700   "};
        QTest::addRow("Сумма, no stake") << f + QStringList{"", "", ""} << "cmd4" << mismatch;
        QTest::addRow("Сумма, stake in words") << f + QStringList{"двести", "", ""} << "cmd4" << mismatch;
        QTest::addRow("Сумма, stake with letters") << f + QStringList{"200р", "", ""} << "cmd4" << mismatch;
        QTest::addRow("Счет before Сумма") << f + QStringList{"250", "", ""} << "cmd6" << mismatch;
        QTest::addRow("result before Счет") << f + QStringList{"250", "450000", ""} << "cmd7" << mismatch;
        QTest::addRow("points beyond a double") << f + QStringList{"1E+306", "", "x"} << "cmd4" << overflow;
        QTest::addRow("stake beyond a double") << f + QStringList{"1E+400", "1", ""} << "cmd4" << overflow;
        QTest::addRow("field beyond a double")
            << QStringList{"1E+400", "", "", "200", "", ""} << "cmd4" << overflow;
        QTest::addRow("money beyond a double") << f + QStringList{"250", "1E+308", "7"} << "cmd6" << overflow;
    }

    void faultsShowTheErrorAndLoseNothing()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, button);
        QFETCH(ErrorCode, error);
        Quillsey game;
        game.fill(texts);
        game.boxes.answer(Answer::Ok);
        game.click(button);
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{errorBox(error)});
        QCOMPARE(game.texts(), texts);
        QVERIFY(!game.runtime.hasEnded());
        QVERIFY(game.window->isVisible());
    }

    void rulesWindowIsOneAndReloads()
    {
        Quillsey game;
        game.click("cmd8");
        game.click("cmd8");
        QList<RulesWindow*> open = openWindows<RulesWindow>();
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.first()->windowTitle(), QStringLiteral("Правила игры"));
        QCOMPARE(open.first()->size(), QSize(492, 256));
        QCOMPARE(rulesShown(open.first()), rules);

        game.launch("cmd2", 0, 0, 15);
        QCOMPARE(game.text("txt2"), QStringLiteral("  15   "));

        open.first()->close();
        QCOMPARE(openWindows<RulesWindow>().size(), 0);
        game.click("cmd8");
        open = openWindows<RulesWindow>();
        QCOMPARE(open.size(), 1);
        QCOMPARE(rulesShown(open.first()), rules);
    }

    void exitClosesBothWindows()
    {
        Quillsey game;
        game.click("cmd8");
        game.click("cmd5");
        QVERIFY(game.runtime.hasEnded());
        QVERIFY(!game.window->isVisible());
        QCOMPARE(openWindows<RulesWindow>().size(), 0);
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>());
    }

    // Two whole games in English, the rules and every box as an English
    // player reads them.
    void wholeGamesInEnglish()
    {
        useLanguage(QStringLiteral("en"));
        const auto russianAgain = qScopeGuard([] { useLanguage(sourceLanguage); });
        Quillsey game;
        QCOMPARE(game.text("Label1"), QStringLiteral("Bet"));
        QCOMPARE(game.text("cmd6"), QStringLiteral("Cash In"));
        game.click("cmd8");
        QCOMPARE(rulesShown(openWindows<RulesWindow>().first()).at(2),
                 QStringLiteral("Press Cash In to turn your points into money (1 point = 3 roubles)."));
        QTest::keyClicks(game.window->textBox("txt4"), QStringLiteral("250"));
        for (const int third : {700, 1}) {
            game.launch("cmd1", 1, 2, 500);
            game.launch("cmd2", 3, 4, 600);
            game.launch("cmd3", 5, 6, third);
            game.click("cmd4");
            game.click("cmd6");
            game.boxes.answer(Answer::Ok);
            game.click("cmd7");
        }
        QCOMPARE(game.boxes.takeShown(),
                 (QList<ShownBox>{verdictBox(QStringLiteral("You're a millionaire!!!")),
                                  verdictBox(QStringLiteral("Don't be upset. Your luck will turn. Try again."))}));
        QVERIFY(game.scriptUsedUp());
    }
};

QTEST_MAIN(TestQuillsey)
#include "tst_quillsey.moc"
