#include "mainwindow.h"
#include "language.h"

#include <QLabel>
#include <QPushButton>

namespace brannock {

using namespace shell;

namespace {

const FontSpec big = sansSerif(13.5);
const Color blue = rgb(0x0000FF);
const Color yellow = rgb(0xFFFFC0);
const Color dieGreen = rgb(0xC0FFC0);
const Color moneyViolet = rgb(0xC0C0FF);

// Each band is a rectangle of four lines from x 240 to x 9600.
constexpr int bandLeft = 240;
constexpr int bandRight = 9600;

ControlSpec horizontal(const char* name, int y)
{
    return line(name, bandLeft, y, bandRight, y);
}

ControlSpec vertical(const char* name, int x, int top, int bottom)
{
    return line(name, x, top, x, bottom);
}

} // namespace

const FormSpec MainWindow::description = {
    .name = "frm1",
    .window = &staticMetaObject,
    .caption = QT_TR_NOOP("Brannock"),
    .clientWidth = 9930,
    .clientHeight = 3915,
    .backColor = rgb(0xFFC080),
    .icon = ":/brannock/brannock.ico",
    .position = Twips{2385, 345},
    .controls = {
        shell::label("lbl1", QT_TR_NOOP("Player1"), {480, 360, 1095, 495}, big).member(0).back(yellow).fore(blue).tab(2),
        shell::label("Lbln", "", {1680, 240, 1815, 735}, sansSerif(12).italic())
            .back(rgb(0x00FFFF)).fore(blue).centered().tab(5),
        shell::textBox("txta", {3600, 360, 1815, 495}, big).back(dieGreen).fore(blue).centered().tab(7),
        shell::textBox("txtb", {5640, 360, 1815, 495}, big).back(dieGreen).fore(blue).centered().tab(8),
        shell::textBox("txt1", {7800, 360, 1695, 495}, big).back(moneyViolet).fore(blue).centered().tab(0),
        shell::button("cmd2", QT_TR_NOOP("Ознакомление"), {840, 1680, 1575, 615}, sansSerif(8.25).bold())
            .back(systemColor(SystemColor::WindowFrame)).tab(12),
        shell::button("cmd1", QT_TR_NOOP("Go"), {2760, 1680, 1695, 615}, big.bold()).back(blue).tab(3),
        shell::textBox("Text", {4920, 1800, 1695, 375}, big).centered().tab(13),
        shell::button("CmdR", QT_TR_NOOP("Регистрация"), {7080, 1680, 1935, 615}, big)
            .back(systemColor(SystemColor::Highlight)).tab(6),
        shell::label("lbl1", QT_TR_NOOP("Player2"), {480, 3000, 1095, 495}, big).member(1).back(yellow).fore(blue).tab(11),
        shell::label("Label1", QT_TR_NOOP("         Я        компьютер"), {1920, 2880, 1455, 735}, sansSerif(12).bold())
            .back(rgb(0x80FFFF)).fore(blue).tab(4),
        shell::textBox("txtc", {3600, 3000, 1815, 495}, big).back(dieGreen).fore(rgb(0x0000C0)).centered().tab(9),
        shell::textBox("txtd", {5640, 3000, 1815, 495}, big).back(dieGreen).fore(blue).centered().tab(10),
        shell::textBox("txt2", {7800, 3000, 1695, 495}, big).back(moneyViolet).fore(blue).centered().tab(1),

        horizontal("Line1", 120).member(3),
        horizontal("Line1", 1080).member(4),
        vertical("Line3", bandLeft, 120, 1080).member(3),
        vertical("Line3", bandRight, 120, 1080).member(4),

        horizontal("Line1", 1440).member(2),
        horizontal("Line1", 2400).member(1),
        vertical("Line3", bandLeft, 1440, 2400).member(1),
        vertical("Line3", bandRight, 1440, 2400).member(2),

        horizontal("Line1", 2760).member(0),
        horizontal("Line2", 3720),
        vertical("Line3", bandLeft, 2760, 3720).member(0),
        vertical("Line4", bandRight, 2760, 3720),
    },
    .reader = {
        spokenAs("Lbln", QT_TR_NOOP("Игрок")),
        labelledBy("txta", {"lbl1", 0}, QT_TR_NOOP("кость 1")),
        labelledBy("txtb", {"lbl1", 0}, QT_TR_NOOP("кость 2")),
        labelledBy("txt1", {"lbl1", 0}, QT_TR_NOOP("деньги")),
        named("Text", QT_TR_NOOP("Ход")),
        labelledBy("txtc", "Label1", QT_TR_NOOP("кость 1")),
        labelledBy("txtd", "Label1", QT_TR_NOOP("кость 2")),
        labelledBy("txt2", "Label1", QT_TR_NOOP("деньги")),
    },
};

namespace {

const Value dieFaces = Value::single(5);
const Value one = Value::single(1);
const Value pointValue = Value::integer(3000);
// Money past which a side has won.
constexpr int millionMoney = 1000000;
const Value million = Value::longInteger(millionMoney);
const Value lastThrow = Value::integer(51);


} // namespace

MainWindow::MainWindow(Runtime& runtime)
    : Form(runtime, description)
    , playerDie1Box(textBox("txta"))
    , playerDie2Box(textBox("txtb"))
    , computerDie1Box(textBox("txtc"))
    , computerDie2Box(textBox("txtd"))
    , playerMoneyBox(textBox("txt1"))
    , computerMoneyBox(textBox("txt2"))
    , throwNumberBox(textBox("Text"))
    , playerNameLabel(label("Lbln"))
{
    onClick(button("CmdR"), &MainWindow::registerPlayer);
    onClick(button("cmd2"), &MainWindow::showIntroduction);
    onClick(button("cmd1"), &MainWindow::throwDice);
}

void MainWindow::load()
{
    isRegistered = false;
    throwNumber = Value::integer(1);
}

void MainWindow::registerPlayer()
{
    const QString playerName = inputBox(tr("Введите ваше имя и фамилию:"), tr("Регистрация"));
    // Even an empty name registers: the button, not the name, is what counts.
    isRegistered = true;
    playerNameLabel->setText(playerName);
}

// The welcome asks about "Ordwyn", not Brannock: players have always read it so.
void MainWindow::showIntroduction()
{
    const int answer = msgBox(tr(" Вас приветствует игра Brannock. Если вам не терпится выиграть "
                                 "миллион тогда вперёд не забудьте только зарегистрироваться. "
                                 "Вы готовы сыграть в Ordwyn?"),
                              Style::Question | Style::YesNo, tr("Конец регистрации"));
    if (answer == Answer::No)
        end();
}

Value MainWindow::rollDie()
{
    return roundDown(rnd() * dieFaces) + one;
}

void MainWindow::throwDice()
{
    if (!isRegistered) {
        msgBox(tr("Что забыл зарегистрироваться? Бывает"), Style::Ok,
               tr("Зарегистрируйся новичок"));
        return;
    }
    const Value playerDie1 = rollDie();
    const Value playerDie2 = rollDie();
    const Value computerDie1 = rollDie();
    const Value computerDie2 = rollDie();
    playerDie1Box->setText(plainText(playerDie1));
    playerDie2Box->setText(plainText(playerDie2));
    computerDie1Box->setText(plainText(computerDie1));
    computerDie2Box->setText(plainText(computerDie2));
    playerMoney = (playerDie1 + playerDie2) * pointValue + playerMoney;
    computerMoney = ((computerDie2 + computerDie1) * pointValue + Value::longInteger(computerMoney)).toInt32();
    playerMoneyBox->setText(plainText(playerMoney));

    // The player's win ends the throw before the computer's row is written.
    if (playerMoney > million) {
        msgBox(tr("Поздравляю вы выиграли миллион!"), Style::Exclamation, tr("Конец игры"));
        resetGame();
        return;
    }
    computerMoneyBox->setText(QString::number(computerMoney));
    throwNumberBox->setText(tr("Ход № %1").arg(sentenceNumber(throwNumber)));
    throwNumber = throwNumber + Value::integer(1);
    if (throwNumber == lastThrow) {
        msgBox(tr("Game over"), Style::Exclamation, tr("Конец игры"));
        resetGame();
    } else if (computerMoney > millionMoney) {
        msgBox(tr("Game over. Вы проиграли. Ха Ха Ха!!!!"), Style::Exclamation, tr("Конец игры"));
        resetGame();
    }
}

// A new game keeps the registration; numbering restarts from 0, so later
// games run one throw longer than the first.
void MainWindow::resetGame()
{
    for (QLineEdit* box : {playerDie1Box, playerDie2Box, computerDie1Box, computerDie2Box, playerMoneyBox, computerMoneyBox, throwNumberBox})
        box->setText(QString());
    playerMoney = Value::integer(0);
    computerMoney = 0;
    throwNumber = Value::integer(0);
}

} // namespace brannock
