#include "ruleswindow.h"

#include <QLabel>

namespace quillsey {

using namespace shell;

namespace {

const FormSpec description = {
    .name = "frm2",
    .context = "quillsey::RulesWindow",
    .caption = QT_TRANSLATE_NOOP("quillsey::RulesWindow", "Правила игры"),
    .clientWidth = 7380,
    .clientHeight = 3840,
    .backColor = rgb(0xFFFF00),
    .icon = ":/quillsey/quillsey.ico",
    .controls = {
        label("L1", "", {120, 240, 7095, 375}).transparent(),
        label("l2", "", {240, 720, 6975, 255}).transparent(),
        label("l3", "", {240, 1080, 6855, 255}).transparent(),
        label("l4", "", {240, 1440, 6855, 255}).transparent(),
        label("l5", "", {240, 1800, 6975, 375}).transparent(),
    },
};

} // namespace

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
