#include "ruleswindow.h"

#include <QLabel>

namespace quillsey {

using namespace shell;

const FormSpec RulesWindow::description = {
    .name = "frm2",
    .window = &staticMetaObject,
    .caption = QT_TR_NOOP("Правила игры"),
    .clientWidth = 7380,
    .clientHeight = 3840,
    .backColor = rgb(0xFFFF00),
    .icon = ":/quillsey/quillsey.ico",
    .controls = {
        shell::label("L1", "", {120, 240, 7095, 375}).transparent(),
        shell::label("l2", "", {240, 720, 6975, 255}).transparent(),
        shell::label("l3", "", {240, 1080, 6855, 255}).transparent(),
        shell::label("l4", "", {240, 1440, 6855, 255}).transparent(),
        shell::label("l5", "", {240, 1800, 6975, 375}).transparent(),
    },
};

RulesWindow::RulesWindow(Runtime& runtime)
    : Form(runtime, description)
{
}

void RulesWindow::load()
{
    label("L1")->setText(tr(
        "Для того, чтобы выиграть миллион, вам нужно назначить ставку(от 200 до 250 рублей)"));
    label("l2")->setText(tr(
        "и запустить поочереди три поля. Нажав на кнопку сумма, вы получите общее количество очков."));
    label("l3")->setText(tr(
        "При нажатии на кнопку счет число ваших очков переводится в деньги(1 очко-3 рубля)."));
    label("l4")->setText(tr(
        "Если вы нажмете кнопку результат, вы узнаете, стали ли вы миллионером."));
    label("l5")->setText(tr("Для выхода из игры нажмите Exit"));
}

} // namespace quillsey
