#include "picturewindows.h"

namespace marrowby {

using namespace shell;

namespace {

const FormSpec rulesDescription = {
    .name = "frm3",
    .context = "marrowby::RulesWindow",
    .caption = QT_TRANSLATE_NOOP("marrowby::RulesWindow", "Правила игры"),
    .clientWidth = 7365,
    .clientHeight = 5190,
    .backColor = {},  // the system's, where the window outgrows its picture
    .picture = ":/marrowby/rules.jpg",
    .icon = "",
    .border = Border::Sizable,
    .position = Twips{345, 6405},
    .pictureText = QT_TRANSLATE_NOOP("marrowby::RulesWindow",
        "Игру начинает любой игрок. Игра осуществляется поочередно. Сделав ход, "
        "получив определенную сумму очков и счет, в игру вступает другой игрок и "
        "действует по аналогичной схеме. Если же в окошке «Кость №1» и «Кость №2» "
        "выпало 0, то счет не увеличивается, но игру можно продолжать до тех пор "
        "пока один из участников не дойдет до 1000000 и выше. Число ходов ограничено. "
        "Ходов всего 25.Позже можно повторить игру. Начав все сначала с нулевым "
        "запасом очков. Желаю удачи!!!"),
};

const FormSpec warningDescription = {
    .name = "Frm2",
    .context = "marrowby::WarningWindow",
    .caption = QT_TRANSLATE_NOOP("marrowby::WarningWindow", "Предупреждение!"),
    .clientWidth = 7890,
    .clientHeight = 3960,
    .backColor = {},  // the system's, where the window outgrows its picture
    .picture = ":/marrowby/warning.jpg",
    .icon = "",
    .border = Border::Sizable,
    .position = Twips{4110, 2160},
    .pictureText = QT_TRANSLATE_NOOP("marrowby::WarningWindow", "Внимание! Остался последний 25-й ход!!!!"),
};

} // namespace

PictureWindow::PictureWindow(Runtime& runtime, const FormSpec& description)
    : Form(runtime, description)
{
}

RulesWindow::RulesWindow(Runtime& runtime)
    : PictureWindow(runtime, rulesDescription)
{
}

WarningWindow::WarningWindow(Runtime& runtime)
    : PictureWindow(runtime, warningDescription)
{
}

} // namespace marrowby
