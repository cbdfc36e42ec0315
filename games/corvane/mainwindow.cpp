#include "mainwindow.h"
#include "language.h"

#include <QLabel>
#include <QPushButton>
#include <cstdint>

namespace corvane {

using namespace shell;

namespace {

constexpr FontSpec normal = comic(14.25);
constexpr FontSpec score = comic(9.75);
constexpr Color window = systemColor(SystemColor::Window);
constexpr Color windowText = systemColor(SystemColor::WindowText);

constexpr ControlSpec stakeOption(int index, const char* caption, int top)
{
    return option("STM", caption, {120, top, 2295, 390}, normal).member(index).in("Сколько").tab(4 + index);
}

constexpr ControlSpec scoreLabel(int index, const char* caption, int top, int height)
{
    return label("Label2", caption, {240, top, 3015, height}, score)
        .member(index).in("Frame2").back(window).fore(windowText).tab(14 + index);
}

} // namespace

const FormSpec MainWindow::description = {
    .name = "Form1",
    .window = &staticMetaObject,
    .caption = QT_TR_NOOP("Corvane"),
    .clientWidth = 6660,
    .clientHeight = 6105,
    .backColor = {},  // the system colours
    .icon = ":/corvane/corvane.ico",
    .controls = {
        shell::frame("Сколько", QT_TR_NOOP("Сколько ставим?"), {240, 120, 2535, 4095}, normal).tab(0),
        shell::frame("Frame2", QT_TR_NOOP("Счет"), {3000, 1560, 3495, 2655}, normal).tab(1),
        shell::frame("Что", QT_TR_NOOP("Что выпадет?"), {3000, 120, 3375, 1215}, normal).tab(2),
        shell::label("Label1", QT_TR_NOOP("Делайте Ваши ставки"), {240, 4440, 3375, 1215}, comic(20.25)).tab(3),
        shell::button("CmdM", QT_TR_NOOP("Бросить монету"), {4080, 4440, 2175, 1095}, normal).tab(4),
        stakeOption(1, QT_TR_NOOP("1 монету"), 360),
        stakeOption(2, QT_TR_NOOP("2 монеты"), 720),
        stakeOption(3, QT_TR_NOOP("3 монеты"), 1080),
        stakeOption(4, QT_TR_NOOP("4 монеты"), 1440),
        stakeOption(5, QT_TR_NOOP("5 монет"), 1800),
        stakeOption(6, QT_TR_NOOP("6 монет"), 2160),
        stakeOption(7, QT_TR_NOOP("7 монет"), 2520),
        stakeOption(8, QT_TR_NOOP("8 монет"), 2880),
        stakeOption(9, QT_TR_NOOP("9 монет"), 3240),
        stakeOption(10, QT_TR_NOOP("10 монет"), 3600),
        scoreLabel(1, QT_TR_NOOP("На данный момент у Вас монет: 15"), 480, 615),
        scoreLabel(2, QT_TR_NOOP("Можно выиграть монет: "), 1080, 495),
        scoreLabel(3, QT_TR_NOOP("Можно выиграть: 0$"), 1560, 375),
        scoreLabel(4, QT_TR_NOOP(" Общая сумма: 15000 $"), 1920, 375),
        shell::option("STRez", QT_TR_NOOP("Орёл"), {240, 480, 1335, 375}, normal).member(1).in("Что").tab(19),
        shell::option("STRez", QT_TR_NOOP("Решка"), {1680, 480, 1455, 375}, normal).member(2).in("Что").tab(20),
    },
};

namespace {

const Value heads = Value::integer(1);
const Value tails = Value::integer(2);
const Value coinValue = Value::integer(1000);
const Value zero = Value::integer(0);
const Value winningTotal = Value::longInteger(100000);
const Value drawRange = Value::single(10);
constexpr std::int16_t edge = 5;

Value startingCoins() { return Value::integer(15); }
// The fresh game shows this beside its 15 coins until the next toss.
const Value freshTotal = Value::integer(10000);

} // namespace

MainWindow::MainWindow(Runtime& runtime)
    : Form(runtime, description)
    , tossResultLabel(label("Label1"))
    , coinsLabel(label("Label2", 1))
    , winnableCoinsLabel(label("Label2", 2))
    , winnableMoneyLabel(label("Label2", 3))
    , totalLabel(label("Label2", 4))
{
    onOptionClick("STM", &MainWindow::chooseStake);
    onOptionClick("STRez", &MainWindow::callSide);
    onClick(button("CmdM"), &MainWindow::tossCoin);
}

void MainWindow::load()
{
    coins = startingCoins();
}

void MainWindow::chooseStake(int stakeCoins)
{
    stake = Value::integer(stakeCoins);
    winnableCoinsLabel->setText(tr("Можно выиграть монет: %1").arg(sentenceNumber(stake)));
    winnableMoneyLabel->setText(tr("Можно выиграть: %1").arg(sentenceNumber(stake * coinValue)));
}

void MainWindow::callSide(int calledSide) { side = Value::integer(calledSide); }

void MainWindow::tossCoin()
{
    if (stake == Value() || side == Value()) {
        msgBox(tr("Сделайте ставку!"), Style::Information);
        return;
    }
    const std::int16_t draw = roundDown(rnd() * drawRange).toInt16();
    Value outcome;
    if (draw < edge) {
        outcome = heads;
        tossResultLabel->setText(tr("Орел!"));
    }
    if (draw > edge) {
        outcome = tails;
        tossResultLabel->setText(tr("Решка!"));
    }
    // The coin on its edge counts as whatever the player called.
    if (draw == edge) {
        outcome = side;
        tossResultLabel->setText(tr("Ребро!"));
    }
    coins = side == outcome ? coins + stake : coins - stake;
    Value total = coins * coinValue;

    if (total <= zero) {
        msgBox(tr("Вы проиграли :( ! Сыграем еще?"), Style::Question);
        coins = startingCoins();
        total = freshTotal;
    }
    if (total >= winningTotal) {
        msgBox(tr("Вы выиграли :) ! Сыграем еще?"), Style::Question);
        coins = startingCoins();
        total = freshTotal;
    }
    coinsLabel->setText(tr("На данный момент у Вас монет: %1").arg(sentenceNumber(coins)));
    totalLabel->setText(tr("Общая сумма: %1$").arg(sentenceNumber(total)));
}

} // namespace corvane
