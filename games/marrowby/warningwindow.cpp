#include "warningwindow.h"

namespace marrowby {

using namespace shell;

namespace {

const FormSpec description = {
    .name = "Frm2",
    .caption = "Предупреждение!",
    .clientWidth = 7890,
    .clientHeight = 3960,
    .backColor = {},  // the system's, where the window outgrows its picture
    .picture = ":/marrowby/warning.jpg",
    .icon = "",
    .border = Border::Sizable,
    .position = Twips{4110, 2160},
};

} // namespace

WarningWindow::WarningWindow(Runtime& runtime)
    : Form(runtime, description)
{
}

} // namespace marrowby
