#include "mainwindow.h"
#include "language.h"

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

} // namespace

const FormSpec MainWindow::description = {
    .name = "Form1",
    .window = &staticMetaObject,
    .caption = QT_TR_NOOP(" Компьютерная кость"),
    .clientWidth = 7995,
    .clientHeight = 3615,
    .backColor = peach,
    .icon = ":/pendlow/pendlow.ico",
    .border = Border::FixedSingle,
    .controls = {
        shell::label("Lbl1", QT_TR_NOOP("ИГРОК"), {1080, 480, 1455, 375}, boldItalic).back(peach).tab(3),
        shell::label("Lbl2", QT_TR_NOOP("КОМПЬЮТЕР"), {3480, 480, 2175, 375}, boldItalic).back(peach).tab(4),
        shell::textBox("Txt1", {1320, 960, 855, 495}, boxFont).back(white).tab(1),
        shell::textBox("Txt2", {4080, 960, 855, 495}, boxFont).back(white).tab(2),
        shell::label("Lbl3", "", {6240, 960, 1455, 375}, bold).tab(11),
        shell::button("Cmd1", QT_TR_NOOP("Бросок"), {960, 1560, 1575, 615}, bold).back(rgb(0xFF0000)).tab(0),
        shell::button("cmd2", QT_TR_NOOP("Бросок"), {3720, 1560, 1575, 615}, bold).tab(10),
        shell::label("Lbl4", QT_TR_NOOP("Очки"), {1440, 2400, 975, 375}, boldItalic).back(peach).member(0).tab(7),
        shell::label("Lbl5", QT_TR_NOOP("Очки"), {4080, 2400, 975, 375}, boldItalic).back(peach).member(1).tab(8),
        shell::textBox("Txt3", {1320, 2880, 1095, 495}, boxFont).back(white).tab(5),
        shell::textBox("Txt4", {3960, 2880, 1095, 495}, boxFont).back(white).tab(6),
        shell::button("Cmd3", QT_TR_NOOP("Выход"), {6120, 2880, 1455, 495}, bold).back(rgb(0xE0E0E0)).tab(9),
    },
    .reader = {
        labelledBy("Txt1", "Lbl1"),
        labelledBy("Txt2", "Lbl2"),
        labelledBy("Txt3", {"Lbl4", 0}, QT_TR_NOOP("игрока")),
        labelledBy("Txt4", {"Lbl5", 1}, QT_TR_NOOP("компьютера")),
        describedAs("Cmd1", QT_TR_NOOP("бросок игрока")),
        describedAs("cmd2", QT_TR_NOOP("бросок компьютера")),
    },
};

namespace {

const Value throwRange = Value::single(10000);
const Value throwsPerGame = Value::integer(18);
const Value million = Value::longInteger(1000000);
const Value zero = Value::integer(0);


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
    throwNumberLabel->setText(tr("Ход № %1").arg(plainText(throws)));
    playerTotal = playerTotal + playerThrow;
    computerTotal = computerTotal + computerThrow;
    playerTotalBox->setText(plainText(playerTotal));
    computerTotalBox->setText(plainText(computerTotal));
    const Value margin = abs(playerTotal - computerTotal);
    // Picks the plural ("by 1 point"); the number is written as the runtime writes it.
    const int marginCount = pluralCount(margin);
    const Value playerLead = playerTotal - computerTotal;

    if (throws == throwsPerGame)
        msgBox(tr("Игра окончена!"), Style::Exclamation, tr("Компьютерная кость"));
    if (playerTotal >= million) {
        msgBox(tr("Вы миллионер!!!!"), Style::Exclamation, tr("Игра окончена"));
        resetGame();
    }
    // After the player's reset this total is 0, so one millionaire a throw.
    if (computerTotal >= million) {
        msgBox(tr("Компьютер-миллионер!!!"), Style::Exclamation, tr("Игра окончена"));
        resetGame();
    }
    if (throws == throwsPerGame && playerLead < zero) {
        msgBox(tr("Выигрыш компьютера %1", nullptr, marginCount).arg(sentenceNumber(margin)), Style::Exclamation, tr("Игра окончена"));
        resetGame();
    }
    if (throws == throwsPerGame && playerLead > zero) {
        msgBox(tr("Ваш выигрыш %1", nullptr, marginCount).arg(sentenceNumber(margin)), Style::Exclamation, tr("Игра окончена"));
        resetGame();
    }
}

void MainWindow::explainComputersTurn()
{
    const QString prompt = hasThrown ? tr("Компьютер ход уже сделал!") : tr(" Вы первый ");
    msgBox(prompt, Style::Ok, tr("Бросок"));
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
