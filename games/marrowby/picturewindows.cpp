#include "picturewindows.h"

namespace marrowby {

using namespace shell;

const FormSpec RulesWindow::description = {
    .name = "frm3",
    .window = &staticMetaObject,
    .caption = QT_TR_NOOP("Правила игры"),
    .clientWidth = 7365,
    .clientHeight = 5190,
    .backColor = {},  // the system's, where the window outgrows its picture
    .picture = ":/marrowby/rules.jpg",
    .icon = "",
    .border = Border::Sizable,
    .position = Twips{345, 6405},
    .pictureText = QT_TR_NOOP(
        "Игру начинает любой игрок. Игра осуществляется поочередно. Сделав ход, "
        "получив определенную сумму очков и счет, в игру вступает другой игрок и "
        "действует по аналогичной схеме. Если же в окошке «Кость №1» и «Кость №2» "
        "выпало 0, то счет не увеличивается, но игру можно продолжать до тех пор "
        "пока один из участников не дойдет до 1000000 и выше. Число ходов ограничено. "
        "Ходов всего 25.Позже можно повторить игру. Начав все сначала с нулевым "
        "запасом очков. Желаю удачи!!!"),
};

const FormSpec WarningWindow::description = {
    .name = "Frm2",
    .window = &staticMetaObject,
    .caption = QT_TR_NOOP("Предупреждение!"),
    .clientWidth = 7890,
    .clientHeight = 3960,
    .backColor = {},  // the system's, where the window outgrows its picture
    .picture = ":/marrowby/warning.jpg",
    .icon = "",
    .border = Border::Sizable,
    .position = Twips{4110, 2160},
    .pictureText = QT_TR_NOOP("Внимание! Остался последний 25-й ход!!!!"),
};

PictureWindow::PictureWindow(Runtime& runtime, const FormSpec& description)
    : Form(runtime, description)
{
}

RulesWindow::RulesWindow(Runtime& runtime)
    : PictureWindow(runtime, description)
{
}

WarningWindow::WarningWindow(Runtime& runtime)
    : PictureWindow(runtime, description)
{
}

} // namespace marrowby
