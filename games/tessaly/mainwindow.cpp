#include "mainwindow.h"
#include "language.h"

#include "coins.h"
#include "numbertext.h"

#include <QPushButton>

namespace tessaly {

using namespace shell;

namespace {

const FontSpec playFont = sansSerif(9.75).bold();
// The exit button's name starts with the Cyrillic letter "с", not a Latin c:
// it has always been named so, and whatever finds it by name must match.
constexpr char exitButton[] = "\u0441md8";
const Color buttonFace = systemColor(SystemColor::ButtonFace);

} // namespace

const FormSpec MainWindow::description = {
    .name = "frm1",
    .window = &staticMetaObject,
    .caption = QT_TR_NOOP("Бросание монеты"),
    .clientWidth = 7920,
    .clientHeight = 5265,
    .backColor = buttonFace,
    .picture = drawCoins,
    .icon = ":/tessaly/smile.ico",
    .controls = {
        shell::button("cmd1", QT_TR_NOOP("Правила игры"), {240, 240, 1815, 375}, comic(9.75).bold().italic()).tab(0),
        shell::label("Label1", QT_TR_NOOP("Пожалуйста,сделайте Вашу ставку:"), {960, 840, 3135, 255}, comic(8.25).bold().italic())
            .back(buttonFace).fore(systemColor(SystemColor::WindowFrame)).tab(4),
        shell::textBox("txt3", {1800, 1320, 975, 285}).tab(5),
        shell::label("ibl2", QT_TR_NOOP("Пожалуйста,задайте условия"), {1080, 1800, 2775, 255}, comic(9).bold().italic())
            .back(buttonFace).tab(6),
        shell::textBox("txt4", {1800, 2280, 975, 285}).tab(7),
        shell::label("lbl3", QT_TR_NOOP("Нажми одну и выиграй"), {1080, 2880, 2295, 255}, comic(9).bold().italic())
            .back(buttonFace).member(0).tab(8),
        shell::button("cmd2", QT_TR_NOOP("?!"), {720, 3240, 615, 495}, playFont).tab(1),
        shell::button("cmd3", QT_TR_NOOP("?!"), {1680, 3240, 615, 495}, playFont).tab(2),
        shell::button("cmd4", QT_TR_NOOP("?!"), {2760, 3240, 615, 495}, playFont).tab(9),
        shell::button("cmd5", QT_TR_NOOP("?!"), {720, 3960, 615, 495}, playFont).tab(10),
        shell::button("cmd6", QT_TR_NOOP("?!"), {1680, 3960, 615, 495}, playFont).tab(11),
        shell::button("cmd7", QT_TR_NOOP("?!"), {2760, 3960, 615, 495}, playFont).tab(12),
        shell::textBox("txt1", {1680, 4800, 615, 285}).tab(3),
        shell::label("lbl4", QT_TR_NOOP("Результат"), {5760, 3480, 975, 255}, comic(9.75).bold().italic()).back(buttonFace).tab(15),
        shell::textBox("txt2", {5160, 3840, 2175, 375}).tab(13),
        shell::button(exitButton, QT_TR_NOOP("Выход"), {5520, 4800, 1335, 375}, playFont.italic()).tab(14),
    },
    .reader = {
        labelledBy("txt3", "Label1"),
        labelledBy("txt4", "ibl2"),
        named("txt1", QT_TR_NOOP("Выпало")),
        labelledBy("txt2", "lbl4"),
        describedAs("cmd2", QT_TR_NOOP("монета 1")),
        describedAs("cmd3", QT_TR_NOOP("монета 2")),
        describedAs("cmd4", QT_TR_NOOP("монета 3")),
        describedAs("cmd5", QT_TR_NOOP("монета 4")),
        describedAs("cmd6", QT_TR_NOOP("монета 5")),
        describedAs("cmd7", QT_TR_NOOP("монета 6")),
    },
};

MainWindow::MainWindow(Runtime& runtime)
    : Form(runtime, description)
    , revealedSideBox(textBox("txt1"))
    , accountBox(textBox("txt2"))
    , betBox(textBox("txt3"))
    , calledSideBox(textBox("txt4"))
{
    // The player types the side in the language the buttons show it in.
    const QString heads = tr("орел");
    const QString tails = tr("решка");
    onClick(button("cmd1"), &MainWindow::showRules);
    onClick(button("cmd2"), &MainWindow::playButtonShowing, heads);
    onClick(button("cmd3"), &MainWindow::playButtonShowing, tails);
    onClick(button("cmd4"), &MainWindow::playButtonShowing, tails);
    onClick(button("cmd5"), &MainWindow::playButtonShowing, heads);
    onClick(button("cmd6"), &MainWindow::playButtonShowing, heads);
    onClick(button("cmd7"), &MainWindow::playButtonShowing, heads);
    onClick(button(exitButton), &MainWindow::askToQuit);
    onChange(betBox, &MainWindow::takeBet);
}

void MainWindow::showRules()
{
    const QString rules = tr(
        "Вам предлагается сделать ставку(ставка может быть любой), затем задать условия орел или решка и "
        "нажать одну из кнопок. В случае, если Ваше условие совпадет с условием выбранной Вами кнопочки, "
        "Ваш выигрыш составляет удвоенную сумму Вашей денежной ставки, в случае несовпадения, Ваша ставка "
        "переходит маклеру. Игра может продолжатся сколько Вам угодно. Если же хотите выйти из игры, "
        "нажмите кнопку Выход. При выходе из игры Вы забираете последнюю заработанную Вами сумму. "
        "Желаем Вам удачи!");
    if (msgBox(rules, Style::YesNo | Style::Question, tr("условия игры")) == Answer::No)
        end();
}

// A text that is no 16-bit number throws before bet changes, so the last
// good bet stays in force.
void MainWindow::takeBet() { bet = parseInt16(betBox->text()); }

void MainWindow::askToQuit()
{
    const QString prompt = tr("Сумма вашего выигрыша составляет%1 рублей.Выйти из игры?", nullptr,
                              pluralCount(account)).arg(sentenceNumber(account));
    if (msgBox(prompt, Style::YesNo | Style::Question, tr("Конец игры")) == Answer::Yes)
        end();
}

// The call compares what the player typed with the box's text exactly:
// "Орел", "орёл" or a trailing blank lose.
void MainWindow::playButtonShowing(const QString& side)
{
    revealedSideBox->setText(side);
    if (calledSideBox->text() == revealedSideBox->text()) {
        // The winnings are a 16-bit product even though the account widens.
        const std::int16_t winnings = int16Result(2 * bet);
        account = account + Value::integer(winnings);
    } else {
        account = account - Value::integer(bet);
    }
    accountBox->setText(tr("Ваш счет: %1").arg(sentenceNumber(account)));
}

} // namespace tessaly
