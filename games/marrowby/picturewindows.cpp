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
