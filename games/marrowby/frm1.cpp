#include "frm1.h"

#include <QFontMetrics>
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

const FormSpec description = {
    .name = "frm1",
    .caption = "Marrowby",
    .clientWidth = 6810,
    .clientHeight = 5460,
    .backColor = {},  // the system's, where the window outgrows its picture
    .picture = ":/marrowby/dice.bmp",
    .icon = "",
    .border = Border::Sizable,
    .position = Twips{4695, 1260},
    .controls = {
        brownLabel("lbl1", "Кость №1", {1800, 0, 1575, 375}, 15.75).member(0).tab(8),
        brownLabel("lbl2", "Кость №2", {3480, 0, 1575, 375}, 15.75).member(1).tab(9),
        peachBox("txt1", {2400, 480, 735, 1095}, 26.25).tab(1),
        peachBox("txt2", {3480, 480, 735, 1095}, 26.25).tab(2),
        brownLabel("lbl3", "Сумма", {1200, 1680, 1455, 735}, 18).tab(4),
        peachBox("txt3", {2400, 1680, 1695, 615}, 21.75).tab(3),
        button("cmd1", "Игрок № 1", {840, 2400, 1815, 615}, buttonFont).tab(0),
        button("cmd2", "Игрок № 2", {4080, 2400, 1815, 615}, buttonFont).tab(6),
        brownLabel("lbl4", "Счет", {360, 3000, 975, 495}, 18).member(0).tab(13),
        brownLabel("lbl5", "Счет", {3360, 3000, 975, 495}, 18).member(1).tab(14),
        peachBox("txt4", {840, 3480, 1935, 495}, 18).tab(5),
        peachBox("txt5", {3840, 3480, 1935, 495}, 18).tab(7),
        button("cmd3", "Правила игры", {600, 4200, 1455, 855}, buttonFont).tab(10),
        button("cmd4", "Новая игра", {2520, 4200, 1455, 855}, buttonFont).tab(11),
        button("cmd5", "Выход", {4440, 4200, 1455, 855}, comic(15.75).bold()).tab(12),
    },
};

const Value one = Value::integer(1);
const Value two = Value::integer(2);
const Value zero = Value::integer(0);
const Value faces = Value::single(5);
const Value lowestFace = Value::single(1);
const Value perPoint = Value::integer(1999);
const Value basePrize = Value::integer(19999);
const std::int16_t lastMove = 25;
const std::int16_t warningMove = 24;
const QString gameOver = QStringLiteral("Конец игры");

} // namespace

frm1::frm1(Runtime& runtime)
    : Form(runtime, description)
    , txt1(textBox("txt1"))
    , txt2(textBox("txt2"))
    , txt3(textBox("txt3"))
    , txt4(textBox("txt4"))
    , txt5(textBox("txt5"))
{
    onClick(button("cmd1"), &frm1::cmd1_Click);
    onClick(button("cmd2"), &frm1::cmd2_Click);
    onClick(button("cmd3"), &frm1::cmd3_Click);
    onClick(button("cmd4"), &frm1::cmd4_Click);
    onClick(button("cmd5"), &frm1::cmd5_Click);
}

// Both players share the dice, the sum and the three top boxes.
void frm1::throwDice()
{
    die1 = roundDown(rnd() * faces) + lowestFace;
    die2 = roundDown(rnd() * faces) + lowestFace;
    txt1->setText(plainText(die1));
    txt2->setText(plainText(die2));
    sum = die1 + die2;
}

void frm1::cmd1_Click()
{
    if (turn == one) {
        msgBox(QStringLiteral("Сейчас ход Игрока № 2"));
        return;
    }
    throwDice();
    prize1 = sum * perPoint + basePrize;
    txt3->setText(plainText(prize1));
    score1 = score1 + prize1;
    txt4->setText(plainText(score1));
    turn = one;
}

void frm1::cmd2_Click()
{
    if (turn == two) {
        msgBox(QStringLiteral("Сейчас ход Игрока № 1"));
        return;
    }
    // Past 32767 this raises the overflow error; the judgement resets it long before.
    moves2 = (Value::integer(moves2) + one).toInt16();
    // Shown before the dice, so the warning comes with the 24th move itself.
    if (moves2 == warningMove)
        warning.show(runtime());
    throwDice();
    prize2 = sum * perPoint + basePrize;
    txt3->setText(plainText(prize2));
    score2 = score2 + prize2;
    txt5->setText(plainText(score2));
    turn = two;
    if (moves2 == lastMove)
        rez();
}

void frm1::cmd3_Click() { rules.show(runtime()); }

void frm1::cmd4_Click() { beg(); }

void frm1::cmd5_Click()
{
    const int answer = msgBox(QStringLiteral("Вы действительно хотите закончить игру?"),
                              Style::Question | Style::YesNo, QStringLiteral("Выход из игры"));
    if (answer == Answer::Yes)
        end();
}

// Leaves `turn` alone: whoever moved last cannot open the next game.
void frm1::beg()
{
    txt1->setText(QString());
    txt2->setText(QString());
    txt3->setText(QString());
    txt4->setText(QString());
    txt5->setText(QString());
    prize1 = zero;
    score1 = zero;
    prize2 = zero;
    score2 = zero;
    moves2 = 0;
}

void frm1::rez()
{
    diff = abs(score2 - score1);
    const QString margin = signPaddedText(diff) + QStringLiteral(" !");
    if (score1 > score2) {
        msgBox(QStringLiteral("Первый игрок выиграл со счётом ") + margin, Style::Exclamation, gameOver);
        beg();
    } else if (score1 < score2) {
        msgBox(QStringLiteral("Второй игрок выиграл со счётом ") + margin, Style::Exclamation, gameOver);
        beg();
    } else if (score1 == score2) {
        msgBox(QStringLiteral("НИЧЬЯ!!!!!"), Style::Exclamation, gameOver);
        beg();
    }
}

} // namespace marrowby
