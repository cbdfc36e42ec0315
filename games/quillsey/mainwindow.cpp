#include "mainwindow.h"
#include "numbertext.h"

#include <QPushButton>
#include <array>
#include <cstdint>

namespace quillsey {

using namespace shell;

namespace {

const Color yellow = rgb(0xFFFF00);

} // namespace

const FormSpec MainWindow::description = {
    .name = "Form1",
    .window = &staticMetaObject,
    .caption = QT_TR_NOOP("Quillsey"),
    .clientWidth = 6420,
    .clientHeight = 5040,
    .backColor = yellow,
    .picture = ":/quillsey/snail.gif",
    .icon = ":/quillsey/quillsey.ico",
    .controls = {
        shell::textBox("txt1", {1200, 120, 1095, 615}).tab(0),
        shell::textBox("txt2", {2520, 120, 1095, 615}).tab(1),
        shell::textBox("txt3", {3840, 120, 1095, 615}).tab(2),
        shell::textBox("txt4", {2280, 960, 1575, 495}).tab(3),
        shell::button("cmd1", QT_TR_NOOP("Пуск1"), {1320, 1440, 975, 375}).tab(4),
        shell::button("cmd2", QT_TR_NOOP("Пуск2"), {2520, 1440, 1095, 375}).tab(5),
        shell::button("cmd3", QT_TR_NOOP("Пуск3"), {3840, 1440, 1095, 375}).tab(6),
        shell::button("cmd4", QT_TR_NOOP("Сумма"), {2640, 2880, 1335, 375}).tab(7),
        shell::textBox("txt5", {1920, 2040, 2535, 735}).tab(8),
        // The first letter is the Cyrillic capital Ie; players have always seen it so.
        shell::button("cmd5", QT_TR_NOOP("\u0415xit"), {5280, 4440, 975, 495}).tab(9),
        shell::button("cmd6", QT_TR_NOOP("Счет"), {600, 3600, 1095, 375}).tab(10),
        shell::textBox("txt6", {2040, 3600, 2295, 615}).tab(11),
        shell::button("cmd7", QT_TR_NOOP("Общий результат"), {2640, 4440, 1335, 495}).tab(12),
        shell::button("cmd8", QT_TR_NOOP("Правила игры"), {5040, 960, 1335, 495}).tab(13),
        shell::label("Label1", QT_TR_NOOP("Ставка"), {2760, 720, 735, 615}).back(yellow).tab(14),
        shell::label("Label2", QT_TR_NOOP("Очки"), {2880, 1800, 615, 375}).back(yellow).tab(15),
        shell::label("Label3", QT_TR_NOOP("Ваши деньги"), {2640, 3360, 1695, 375}).back(yellow).tab(16),
    },
    .reader = {
        named("txt1", QT_TR_NOOP("Поле 1")),
        named("txt2", QT_TR_NOOP("Поле 2")),
        named("txt3", QT_TR_NOOP("Поле 3")),
        labelledBy("txt4", "Label1"),
        labelledBy("txt5", "Label2"),
        labelledBy("txt6", "Label3"),
    },
};

namespace {

const Value fieldRange = Value::single(1000);
const Value roublesPerPoint = Value::integer(3);
const Value million = Value::longInteger(1000000);

} // namespace

MainWindow::MainWindow(Runtime& runtime)
    : Form(runtime, description)
    , fieldBoxes{textBox("txt1"), textBox("txt2"), textBox("txt3")}
    , stakeBox(textBox("txt4"))
    , pointsBox(textBox("txt5"))
    , moneyBox(textBox("txt6"))
{
    onClick(button("cmd1"), &MainWindow::launchField, 1);
    onClick(button("cmd2"), &MainWindow::launchField, 2);
    onClick(button("cmd3"), &MainWindow::launchField, 3);
    onClick(button("cmd4"), &MainWindow::addUpPoints);
    onClick(button("cmd6"), &MainWindow::convertPointsToMoney);
    onClick(button("cmd7"), &MainWindow::tellWhetherMillionaire);
    onClick(button("cmd8"), &MainWindow::showRules);
    onClick(button("cmd5"), &MainWindow::quitGame);
}

// Each pass starts the buffer afresh, so only the last of the three draws
// shows. The unseen two still count: every start replays one sequence, and
// skipping them would change every later field.
void MainWindow::launchField(int field)
{
    std::array<Value, 3> draws;
    Value buffer;
    for (std::uint8_t slot = 0; slot < draws.size(); ++slot) {
        buffer = Value::text(QStringLiteral(" "));
        draws[slot] = roundDown(rnd() * fieldRange);
        buffer = buffer + Value::text(signPaddedText(draws[slot]));
        buffer = buffer + Value::text(QStringLiteral("   "));
    }
    fieldBoxes[field - 1]->setText(plainText(buffer));
}

// The fields forgive anything typed into them (it counts as 0); the stake
// must be a number.
void MainWindow::addUpPoints()
{
    const Value sum = Value::real(readLeadingNumber(fieldBoxes[0]->text()))
        + Value::real(readLeadingNumber(fieldBoxes[1]->text()))
        + Value::real(readLeadingNumber(fieldBoxes[2]->text()));
    const Value stake = Value::real(parseDouble(stakeBox->text()));
    pointsBox->setText(plainText(stake * sum));
}

void MainWindow::convertPointsToMoney()
{
    const Value points = Value::real(parseDouble(pointsBox->text()));
    moneyBox->setText(plainText(points * roublesPerPoint));
}

void MainWindow::tellWhetherMillionaire()
{
    const Value money = Value::real(parseDouble(moneyBox->text()));
    if (money > million)
        msgBox(tr("Вы миллионер!!!"));
    else
        msgBox(tr("Не растраивайтесь, Вам еще повезет.Попробуйте снова."));
}

void MainWindow::showRules() { rulesWindow.show(runtime()); }

void MainWindow::quitGame() { end(); }

} // namespace quillsey
