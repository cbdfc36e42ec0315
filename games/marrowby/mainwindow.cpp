#include "mainwindow.h"
#include "language.h"

#include <QPushButton>

namespace marrowby {

using namespace shell;

namespace {

const FontSpec buttonFont = comic(14.25).bold();
const Color brown = rgb(0xC04000);
const Color peach = rgb(0xFFC080);

ControlSpec brownLabel(const char* name, const char* text, Twips r, double points)
{
    return label(name, text, r, comic(points).bold()).fore(brown).transparent();
}

ControlSpec peachBox(const char* name, Twips r, double points)
{
    return textBox(name, r, comic(points).bold()).fore(brown).back(peach);
}

} // namespace

const FormSpec MainWindow::description = {
    .name = "frm1",
    .window = &staticMetaObject,
    .caption = QT_TR_NOOP("Marrowby"),
    .clientWidth = 6810,
    .clientHeight = 5460,
    .backColor = {},  // the system's, where the window outgrows its picture
    .picture = ":/marrowby/dice.bmp",
    .icon = "",
    .border = Border::Sizable,
    .position = Twips{4695, 1260},
    .controls = {
        brownLabel("lbl1", QT_TR_NOOP("Кость №1"), {1800, 0, 1575, 375}, 15.75).member(0).tab(8),
        brownLabel("lbl2", QT_TR_NOOP("Кость №2"), {3480, 0, 1575, 375}, 15.75).member(1).tab(9),
        peachBox("txt1", {2400, 480, 735, 1095}, 26.25).tab(1),
        peachBox("txt2", {3480, 480, 735, 1095}, 26.25).tab(2),
        brownLabel("lbl3", QT_TR_NOOP("Сумма"), {1200, 1680, 1455, 735}, 18).tab(4),
        peachBox("txt3", {2400, 1680, 1695, 615}, 21.75).tab(3),
        shell::button("cmd1", QT_TR_NOOP("Игрок № 1"), {840, 2400, 1815, 615}, buttonFont).tab(0),
        shell::button("cmd2", QT_TR_NOOP("Игрок № 2"), {4080, 2400, 1815, 615}, buttonFont).tab(6),
        brownLabel("lbl4", QT_TR_NOOP("Счет"), {360, 3000, 975, 495}, 18).member(0).tab(13),
        brownLabel("lbl5", QT_TR_NOOP("Счет"), {3360, 3000, 975, 495}, 18).member(1).tab(14),
        peachBox("txt4", {840, 3480, 1935, 495}, 18).tab(5),
        peachBox("txt5", {3840, 3480, 1935, 495}, 18).tab(7),
        shell::button("cmd3", QT_TR_NOOP("Правила игры"), {600, 4200, 1455, 855}, buttonFont).tab(10),
        shell::button("cmd4", QT_TR_NOOP("Новая игра"), {2520, 4200, 1455, 855}, buttonFont).tab(11),
        shell::button("cmd5", QT_TR_NOOP("Выход"), {4440, 4200, 1455, 855}, comic(15.75).bold()).tab(12),
    },
    .reader = {
        labelledBy("txt1", {"lbl1", 0}),
        labelledBy("txt2", {"lbl2", 1}),
        labelledBy("txt3", "lbl3"),
        labelledBy("txt4", {"lbl4", 0}, QT_TR_NOOP("игрока № 1")),
        labelledBy("txt5", {"lbl5", 1}, QT_TR_NOOP("игрока № 2")),
    },
};

namespace {

const Value one = Value::integer(1);
const Value two = Value::integer(2);
const Value zero = Value::integer(0);
const Value faces = Value::single(5);
const Value lowestFace = Value::single(1);
const Value perPoint = Value::integer(1999);
const Value basePrize = Value::integer(19999);
constexpr std::int16_t lastMove = 25;
constexpr std::int16_t warningMove = 24;

} // namespace

MainWindow::MainWindow(Runtime& runtime)
    : Form(runtime, description)
    , die1Box(textBox("txt1"))
    , die2Box(textBox("txt2"))
    , prizeBox(textBox("txt3"))
    , player1ScoreBox(textBox("txt4"))
    , player2ScoreBox(textBox("txt5"))
{
    onClick(button("cmd1"), &MainWindow::throwForPlayer1);
    onClick(button("cmd2"), &MainWindow::throwForPlayer2);
    onClick(button("cmd3"), &MainWindow::showRules);
    onClick(button("cmd4"), &MainWindow::startNewGame);
    onClick(button("cmd5"), &MainWindow::askToQuit);
}

// Both players share the dice and the three top boxes.
Value MainWindow::throwDiceForPrize()
{
    const Value die1 = roundDown(rnd() * faces) + lowestFace;
    const Value die2 = roundDown(rnd() * faces) + lowestFace;
    die1Box->setText(plainText(die1));
    die2Box->setText(plainText(die2));
    const Value prize = (die1 + die2) * perPoint + basePrize;
    prizeBox->setText(plainText(prize));
    return prize;
}

void MainWindow::throwForPlayer1()
{
    if (lastMover == one) {
        msgBox(tr("Сейчас ход Игрока № 2"));
        return;
    }
    player1Score = player1Score + throwDiceForPrize();
    player1ScoreBox->setText(plainText(player1Score));
    lastMover = one;
}

void MainWindow::throwForPlayer2()
{
    if (lastMover == two) {
        msgBox(tr("Сейчас ход Игрока № 1"));
        return;
    }
    // Past 32767 this raises the overflow error; the judgement resets it long before.
    player2Moves = int16Result(player2Moves + 1);
    // Shown before the dice, so the warning comes with the 24th move itself.
    if (player2Moves == warningMove)
        warningWindow.show(runtime());
    player2Score = player2Score + throwDiceForPrize();
    player2ScoreBox->setText(plainText(player2Score));
    lastMover = two;
    if (player2Moves == lastMove)
        announceWinner();
}

void MainWindow::showRules() { rulesWindow.show(runtime()); }

void MainWindow::startNewGame() { resetGame(); }

void MainWindow::askToQuit()
{
    const int answer = msgBox(tr("Вы действительно хотите закончить игру?"),
                              Style::Question | Style::YesNo, tr("Выход из игры"));
    if (answer == Answer::Yes)
        end();
}

// Leaves `lastMover` alone: whoever moved last cannot open the next game.
void MainWindow::resetGame()
{
    die1Box->setText(QString());
    die2Box->setText(QString());
    prizeBox->setText(QString());
    player1ScoreBox->setText(QString());
    player2ScoreBox->setText(QString());
    player1Score = zero;
    player2Score = zero;
    player2Moves = 0;
}

void MainWindow::announceWinner()
{
    const QString marginText = sentenceNumber(abs(player2Score - player1Score));
    const QString gameOverTitle = tr("Конец игры");
    if (player1Score > player2Score) {
        msgBox(tr("Первый игрок выиграл со счётом %1 !").arg(marginText), Style::Exclamation, gameOverTitle);
        resetGame();
    } else if (player1Score < player2Score) {
        msgBox(tr("Второй игрок выиграл со счётом %1 !").arg(marginText), Style::Exclamation, gameOverTitle);
        resetGame();
    } else if (player1Score == player2Score) {
        msgBox(tr("НИЧЬЯ!!!!!"), Style::Exclamation, gameOverTitle);
        resetGame();
    }
}

} // namespace marrowby
