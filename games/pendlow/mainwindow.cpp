#include "mainwindow.h"

#include <QLabel>
#include <QPushButton>

namespace pendlow {

using namespace shell;

namespace {

const FontSpec bold = sansSerif(13.5).bold();
const FontSpec boldItalic = bold.italic();
const FontSpec boxFont = sansSerif(12).bold();
const Color peach = rgb(0xFFE0C0);
const Color white = rgb(0xFFFFFF);

const FormSpec description = {
    .name = "Form1",
    .caption = " Компьютерная кость",
    .clientWidth = 7995,
    .clientHeight = 3615,
    .backColor = peach,
    .icon = ":/pendlow/pendlow.ico",
    .border = Border::FixedSingle,
    .controls = {
        label("Lbl1", "ИГРОК", {1080, 480, 1455, 375}, boldItalic).back(peach).tab(3),
        label("Lbl2", "КОМПЬЮТЕР", {3480, 480, 2175, 375}, boldItalic).back(peach).tab(4),
        textBox("Txt1", {1320, 960, 855, 495}, boxFont).back(white).tab(1),
        textBox("Txt2", {4080, 960, 855, 495}, boxFont).back(white).tab(2),
        label("Lbl3", "", {6240, 960, 1455, 375}, bold).tab(11),
        button("Cmd1", "Бросок", {960, 1560, 1575, 615}, bold).back(rgb(0xFF0000)).tab(0),
        button("cmd2", "Бросок", {3720, 1560, 1575, 615}, bold).tab(10),
        label("Lbl4", "Очки", {1440, 2400, 975, 375}, boldItalic).back(peach).member(0).tab(7),
        label("Lbl5", "Очки", {4080, 2400, 975, 375}, boldItalic).back(peach).member(1).tab(8),
        textBox("Txt3", {1320, 2880, 1095, 495}, boxFont).back(white).tab(5),
        textBox("Txt4", {3960, 2880, 1095, 495}, boxFont).back(white).tab(6),
        button("Cmd3", "Выход", {6120, 2880, 1455, 495}, bold).back(rgb(0xE0E0E0)).tab(9),
    },
    .reader = {
        labelledBy("Txt1", "Lbl1"),
        labelledBy("Txt2", "Lbl2"),
        labelledBy("Txt3", "Lbl4(0)", QT_TRANSLATE_NOOP("pendlow::MainWindow", "игрока")),
        labelledBy("Txt4", "Lbl5(1)", QT_TRANSLATE_NOOP("pendlow::MainWindow", "компьютера")),
        describedAs("Cmd1", QT_TRANSLATE_NOOP("pendlow::MainWindow", "бросок игрока")),
        describedAs("cmd2", QT_TRANSLATE_NOOP("pendlow::MainWindow", "бросок компьютера")),
    },
};

const Value throwRange = Value::single(10000);
const Value throwsPerGame = Value::integer(18);
const Value million = Value::longInteger(1000000);
const Value zero = Value::integer(0);

const QString gameOverTitle = QStringLiteral("Игра окончена");

} // namespace

MainWindow::MainWindow(Runtime& runtime)
    : Form(runtime, description)
    , playerThrowBox(textBox("Txt1"))
    , computerThrowBox(textBox("Txt2"))
    , playerTotalBox(textBox("Txt3"))
    , computerTotalBox(textBox("Txt4"))
    , throwNumberLabel(label("Lbl3"))
{
    onClick(button("Cmd1"), &MainWindow::throwForBoth);
    onClick(button("cmd2"), &MainWindow::explainComputersTurn);
    onClick(button("Cmd3"), &MainWindow::quitGame);
}

void MainWindow::load()
{
    hasThrown = false;
    throws = zero;
    playerTotal = zero;
    computerTotal = zero;
}

void MainWindow::throwForBoth()
{
    hasThrown = true;
    const Value playerThrow = roundDown(rnd() * throwRange);
    const Value computerThrow = roundDown(rnd() * throwRange);
    playerThrowBox->setText(plainText(playerThrow));
    computerThrowBox->setText(plainText(computerThrow));
    throws = throws + Value::integer(1);
    throwNumberLabel->setText(plainText(concat(Value::text(QStringLiteral("Ход № ")), throws)));
    playerTotal = playerTotal + playerThrow;
    computerTotal = computerTotal + computerThrow;
    playerTotalBox->setText(plainText(playerTotal));
    computerTotalBox->setText(plainText(computerTotal));
    const Value margin = abs(playerTotal - computerTotal);
    const Value playerLead = playerTotal - computerTotal;

    if (throws == throwsPerGame)
        msgBox(QStringLiteral("Игра окончена!"), Style::Exclamation, QStringLiteral("Компьютерная кость"));
    if (playerTotal >= million) {
        msgBox(QStringLiteral("Вы миллионер!!!!"), Style::Exclamation, gameOverTitle);
        resetGame();
    }
    // After the player's reset this total is 0, so one millionaire a throw.
    if (computerTotal >= million) {
        msgBox(QStringLiteral("Компьютер-миллионер!!!"), Style::Exclamation, gameOverTitle);
        resetGame();
    }
    if (throws == throwsPerGame && playerLead < zero) {
        msgBox(QStringLiteral("Выигрыш компьютера ") + signPaddedText(margin), Style::Exclamation, gameOverTitle);
        resetGame();
    }
    if (throws == throwsPerGame && playerLead > zero) {
        msgBox(QStringLiteral("Ваш выигрыш ") + signPaddedText(margin), Style::Exclamation, gameOverTitle);
        resetGame();
    }
}

void MainWindow::explainComputersTurn()
{
    const QString prompt = hasThrown ? QStringLiteral("Компьютер ход уже сделал!") : QStringLiteral(" Вы первый ");
    msgBox(prompt, Style::Ok, QStringLiteral("Бросок"));
}

void MainWindow::quitGame() { end(); }

// The boxes keep showing the last throw until the next one.
void MainWindow::resetGame()
{
    computerTotal = zero;
    throws = zero;
    playerTotal = zero;
    hasThrown = false;
}

} // namespace pendlow
