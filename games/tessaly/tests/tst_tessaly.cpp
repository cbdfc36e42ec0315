#include "tessaly/coins.h"
#include "tessaly/mainwindow.h"
#include "boxes.h"
#include "columns.h"
#include "gameharness.h"
#include "language.h"

#include <QIcon>
#include <QPainter>
#include <QScopeGuard>
#include <QFile>
#include <QTest>

using namespace shell;
using namespace tessaly::tests;
using tessaly::MainWindow;

namespace {

struct Tessaly : GameHarness<MainWindow> {
    Tessaly() : GameHarness(program) {}

    // A game with this bet typed and this side called.
    Tessaly(const QString& bet, const QString& side) : Tessaly()
    {
        typeBet(bet);
        typeSide(side);
    }

    QLineEdit* box(const char* name) const { return window->textBox(QString::fromUtf8(name)); }

    // Typed over the whole text, so each key raises one change.
    void typeBet(const QString& keys)
    {
        box("txt3")->selectAll();
        QTest::keyClicks(box("txt3"), keys);
    }

    // A minus put in front of digits already typed: every step is a number.
    void typeNegativeBet(const QString& digits)
    {
        typeBet(digits);
        QTest::keyClick(box("txt3"), Qt::Key_Home);
        QTest::keyClick(box("txt3"), Qt::Key_Minus);
    }

    // Letter by letter, with the text each key carries, Cyrillic included.
    void typeSide(const QString& side)
    {
        QLineEdit* sideBox = box("txt4");
        sideBox->clear();
        for (QChar c : side)
            QTest::sendKeyEvent(QTest::Click, sideBox, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }

    QString account() const { return text(QStringLiteral("txt2")); }

    QList<ShownBox> exitAnsweringNo()
    {
        boxes.answer(Answer::No);
        click(QStringLiteral("сmd8"));
        return boxes.takeShown();
    }
};

} // namespace

class TestTessaly : public QObject {
    Q_OBJECT

private slots:
    void startsFromItsDescription()
    {
        Tessaly game;
        MainWindow& w = *game.window;
        QCOMPARE(w.objectName(), QStringLiteral("frm1"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Бросание монеты"));
        QCOMPARE(w.size(), QSize(528, 351));
        QCOMPARE(w.button("сmd8")->geometry(), QRect(368, 320, 89, 25));
        QCOMPARE(game.text("ibl2"), QStringLiteral("Пожалуйста,задайте условия"));
        QCOMPARE(game.text("lbl3", 0), QStringLiteral("Нажми одну и выиграй"));

        QStringList order;
        for (QWidget* control : w.tabOrder())
            order << control->objectName();
        QCOMPARE(order, QString("cmd1 cmd2 cmd3 txt1 txt3 txt4 cmd4 cmd5 cmd6 cmd7 txt2 сmd8").split(' '));
        QCOMPARE(w.focusWidget(), w.button("cmd1"));
        for (const char* name : {"txt1", "txt2", "txt3", "txt4"})
            QCOMPARE(game.box(name)->text(), QString());

        const QList<QSize> iconSizes = w.windowIcon().availableSizes();
        QVERIFY(iconSizes.contains(QSize(16, 16)));
        QVERIFY(iconSizes.contains(QSize(32, 32)));

        // A coin face of the stack shows between the controls.
        const QColor coin = w.grab().toImage().pixelColor(282, 249);
        QVERIFY2(coin.red() > 200 && coin.green() > 100 && coin.blue() < 100, qPrintable(coin.name()));
    }

    void coinsLandWhereTheirShapesDo_data()
    {
        columns<qreal, bool>("scale", "builtIn");
        QTest::addRow("one pixel a point") << 1.0 << true;
        QTest::addRow("one and a half") << 1.5 << false;
        QTest::addRow("two") << 2.0 << true;
    }

    // The coins are copies of a few pictures of a single coin, built with the
    // program or painted at the first draw; each must land where painting the
    // shapes puts it, up to the rounding of antialiased edges.
    void coinsLandWhereTheirShapesDo()
    {
        QFETCH(qreal, scale);
        QFETCH(bool, builtIn);
        // Built in, or else painted as the window starts.
        QCOMPARE(QFile::exists(QStringLiteral(":/tessaly/coin-emblem@%1x.png").arg(scale)), builtIn);
        const auto painted = [scale](void (*paint)(QPainter&)) {
            QImage image(QSize(363, 291) * scale, QImage::Format_RGB32);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::white);
            QPainter painter(&image);
            paint(painter);
            return image;
        };
        const QImage copies = painted(tessaly::drawCoins);
        const QImage shapes = painted(tessaly::paintCoins);
        int worst = 0;
        for (int y = 0; y < copies.height(); ++y) {
            for (int x = 0; x < copies.width(); ++x) {
                const QRgb a = copies.pixel(x, y);
                const QRgb b = shapes.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b))});
            }
        }
        QVERIFY2(worst <= 8, qPrintable(QString::number(worst)));
    }

    void buttonsShowTheirSide_data()
    {
        columns<QString, QString>("button", "side");
        for (const PlayButton& play : playButtons)
            QTest::addRow("%s", play.name) << QString::fromLatin1(play.name) << play.side;
    }

    void buttonsShowTheirSide()
    {
        QFETCH(QString, button);
        QFETCH(QString, side);
        for (const QString& called : {heads, tails}) {
            Tessaly game("10", called);
            game.click(button);
            QCOMPARE(game.text("txt1"), side);
            QCOMPARE(game.account(), accountLine(called == side ? " 20" : "-10"));
            game.click(button);
            QCOMPARE(game.text("txt1"), side);
            QCOMPARE(game.account(), accountLine(called == side ? " 40" : "-20"));
        }
    }

    void sideMustMatchExactly_data()
    {
        QTest::addColumn<QString>("called");
        QTest::addRow("nothing typed") << QString();
        QTest::addRow("capital") << QStringLiteral("Орел");
        QTest::addRow("with ё") << QStringLiteral("орёл");
        QTest::addRow("trailing blank") << QStringLiteral("орел ");
        QTest::addRow("latin o") << QStringLiteral("oрел");
    }

    void sideMustMatchExactly()
    {
        QFETCH(QString, called);
        Tessaly game("7", called);
        QCOMPARE(game.box("txt4")->text(), called);
        for (const char* button : {"cmd2", "cmd5", "cmd6", "cmd7"})
            game.click(button);
        QCOMPARE(game.account(), accountLine("-28"));
    }

    void accountLineAndExitPrompt_data()
    {
        columns<bool, QString, QStringList, QString>("negativeBet", "bet", "presses", "number");
        QTest::addRow("before any play") << false << "" << QStringList() << " 0";
        QTest::addRow("win with no bet") << false << "" << QStringList{"cmd2"} << " 0";
        QTest::addRow("win then loss") << false << "10" << QStringList{"cmd2", "cmd3"} << " 10";
        QTest::addRow("first play lost") << false << "5" << QStringList{"cmd4"} << "-5";
        QTest::addRow("negative bet wins") << true << "5" << QStringList{"cmd6"} << "-10";
        QTest::addRow("negative bet loses") << true << "5" << QStringList{"cmd3"} << " 5";
        QTest::addRow("fraction rounds to even") << false << "2.5" << QStringList{"cmd7"} << " 4";
    }

    void accountLineAndExitPrompt()
    {
        QFETCH(bool, negativeBet);
        QFETCH(QString, bet);
        QFETCH(QStringList, presses);
        QFETCH(QString, number);
        Tessaly game;
        if (negativeBet)
            game.typeNegativeBet(bet);
        else if (bet.contains('.'))
            game.box("txt3")->setText(bet);  // as a paste: one change
        else
            game.typeBet(bet);
        game.typeSide(heads);
        for (const QString& button : presses)
            game.click(button);

        QCOMPARE(game.account(), presses.isEmpty() ? QString() : accountLine(number));
        QCOMPARE(game.exitAnsweringNo(), QList<ShownBox>{exitBox(number)});
        QVERIFY(!game.runtime.hasEnded());
        QVERIFY(game.window->isVisible());
        QVERIFY(game.scriptUsedUp());
    }

    void doubledBetAtTheLimit_data()
    {
        columns<bool, QString, bool, QString>("negative", "digits", "overflows", "number");
        QTest::addRow("largest winning bet") << false << "16383" << false << " 16383";
        QTest::addRow("one above overflows") << false << "16384" << true << "-16384";
        QTest::addRow("smallest winning bet") << true << "16384" << false << "-16384";
        QTest::addRow("one below overflows") << true << "16385" << true << " 16385";
    }

    // A loss first, then a win with the same bet: the loss never overflows,
    // and a failing win leaves the side shown and the account untouched.
    void doubledBetAtTheLimit()
    {
        QFETCH(bool, negative);
        QFETCH(QString, digits);
        QFETCH(bool, overflows);
        QFETCH(QString, number);
        Tessaly game;
        if (negative)
            game.typeNegativeBet(digits);
        else
            game.typeBet(digits);
        game.typeSide(heads);
        game.click("cmd3");
        QCOMPARE(game.account(), accountLine((negative ? " " : "-") + digits));

        if (overflows)
            game.boxes.answer(Answer::Ok);
        game.click("cmd5");
        QCOMPARE(game.text("txt1"), heads);
        QCOMPARE(game.boxes.takeShown(), overflows ? QList<ShownBox>{errorBox(ErrorCode::Overflow)} : QList<ShownBox>());
        QCOMPARE(game.account(), accountLine(number));
        QCOMPARE(game.exitAnsweringNo(), QList<ShownBox>{exitBox(number)});
    }

    void accountWidensPastTheLimits()
    {
        Tessaly game("16000", heads);
        for (int i = 0; i < 3; ++i)
            game.click("cmd2");
        QCOMPARE(game.account(), accountLine(" 96000"));

        game.typeBet("32767");
        for (int i = 0; i < 4; ++i)
            game.click("cmd4");
        QCOMPARE(game.account(), accountLine("-35068"));
        QCOMPARE(game.exitAnsweringNo(), QList<ShownBox>{exitBox("-35068")});
    }

    void badBetKeepsTheLastGoodOne_data()
    {
        columns<QString, QList<ShownBox>, QString>("keys", "errors", "number");
        const ShownBox mismatch = errorBox(ErrorCode::TypeMismatch);
        // A win of 20 first, then a second win with the bet left in force.
        QTest::addRow("emptied") << QString() << QList<ShownBox>{mismatch} << " 40";
        QTest::addRow("lone minus") << "-" << QList<ShownBox>{mismatch} << " 40";
        QTest::addRow("letters") << "ab" << QList<ShownBox>{mismatch, mismatch} << " 40";
        QTest::addRow("digits then a letter") << "3x" << QList<ShownBox>{mismatch} << " 26";
        QTest::addRow("beyond 16 bits") << "40000" << QList<ShownBox>{errorBox(ErrorCode::Overflow)} << " 8020";
    }

    void badBetKeepsTheLastGoodOne()
    {
        QFETCH(QString, keys);
        QFETCH(QList<ShownBox>, errors);
        QFETCH(QString, number);
        Tessaly game("10", heads);
        game.click("cmd2");

        for (qsizetype i = 0; i < errors.size(); ++i)
            game.boxes.answer(Answer::Ok);
        if (keys.isEmpty()) {
            game.box("txt3")->selectAll();
            QTest::keyClick(game.box("txt3"), Qt::Key_Backspace);
        } else {
            game.typeBet(keys);
        }
        QCOMPARE(game.boxes.takeShown(), errors);

        game.click("cmd2");
        QCOMPARE(game.account(), accountLine(number));
        QVERIFY(game.scriptUsedUp());
    }

    void boxesThatEnd_data()
    {
        columns<QString, int, bool>("button", "answer", "ends");
        QTest::addRow("rules yes") << "cmd1" << Answer::Yes << false;
        QTest::addRow("rules no") << "cmd1" << Answer::No << true;
        QTest::addRow("exit yes") << "сmd8" << Answer::Yes << true;
        QTest::addRow("exit no") << "сmd8" << Answer::No << false;
    }

    void boxesThatEnd()
    {
        QFETCH(QString, button);
        QFETCH(int, answer);
        QFETCH(bool, ends);
        Tessaly game;
        game.typeBet("3");
        game.typeSide(tails);
        game.click("cmd3");
        game.boxes.answer(answer);
        game.click(button);

        const QList<ShownBox> shown = game.boxes.takeShown();
        QCOMPARE(shown.size(), 1);
        if (button == "cmd1") {
            checkRulesBox(shown.first());
        } else {
            QCOMPARE(shown.first(), exitBox(" 6"));
        }
        QCOMPARE(game.runtime.hasEnded(), ends);
        QCOMPARE(game.window->isVisible(), !ends);
        if (!ends) {
            game.click("cmd4");
            QCOMPARE(game.account(), accountLine(" 12"));
        }
    }

    // A whole game in English, from an account never set to the last box.
    void wholeGameInEnglish()
    {
        useLanguage(QStringLiteral("en"));
        const auto russianAgain = qScopeGuard([] { useLanguage(sourceLanguage); });
        Tessaly game;
        QCOMPARE(game.window->windowTitle(), QStringLiteral("Coin Toss"));
        const auto exitBox = [](const char* number) {
            return ShownBox{QStringLiteral("Your winnings come to %1 roubles. Exit the game?").arg(QLatin1String(number)),
                            Style::YesNo | Style::Question, QStringLiteral("Exit Game")};
        };
        QCOMPARE(game.exitAnsweringNo(), QList<ShownBox>{exitBox("0")});
        game.typeBet("10");
        game.typeSide(QStringLiteral("heads"));
        game.click("cmd2");
        QCOMPARE(game.account(), QStringLiteral("Your balance: 20"));
        game.click("cmd3");
        game.click("cmd4");
        QCOMPARE(game.text("txt1"), QStringLiteral("tails"));
        QCOMPARE(game.account(), QStringLiteral("Your balance: 0"));
        game.click("cmd4");
        QCOMPARE(game.account(), QStringLiteral("Your balance: -10"));
        game.boxes.answer(Answer::Yes);
        game.click("cmd1");
        const QList<ShownBox> rules = game.boxes.takeShown();
        QCOMPARE(rules.size(), 1);
        QCOMPARE(rules.first().title, QStringLiteral("Rules of the Game"));
        QVERIFY(rules.first().prompt.startsWith(QStringLiteral("Place a bet (any amount you like)")));
        QCOMPARE(game.exitAnsweringNo(), QList<ShownBox>{exitBox("-10")});
        game.boxes.answer(Answer::Yes);
        game.click("сmd8");
        QCOMPARE(game.boxes.takeShown(), QList<ShownBox>{exitBox("-10")});
        QVERIFY(game.runtime.hasEnded());
    }

    // The roubles counted as English counts them.
    void oneRoubleInEnglish()
    {
        useLanguage(QStringLiteral("en"));
        const auto russianAgain = qScopeGuard([] { useLanguage(sourceLanguage); });
        Tessaly game;
        game.typeBet("1");
        game.typeSide(QStringLiteral("tails"));
        game.click("cmd4");
        game.typeSide(QStringLiteral("heads"));
        game.click("cmd4");
        const ShownBox exitBox{QStringLiteral("Your winnings come to 1 rouble. Exit the game?"),
                               Style::YesNo | Style::Question, QStringLiteral("Exit Game")};
        QCOMPARE(game.exitAnsweringNo(), QList<ShownBox>{exitBox});
    }
};

QTEST_MAIN(TestTessaly)
#include "tst_tessaly.moc"
