#include "ruleswindow.h"

namespace marrowby {

using namespace shell;

namespace {

const FormSpec description = {
    .name = "frm3",
    .caption = "Правила игры",
    .clientWidth = 7365,
    .clientHeight = 5190,
    .backColor = {},  // the system's, where the window outgrows its picture
    .picture = ":/marrowby/rules.jpg",
    .icon = "",
    .border = Border::Sizable,
    .position = Twips{345, 6405},
};

} // namespace

RulesWindow::RulesWindow(Runtime& runtime)
    : Form(runtime, description)
{
}

} // namespace marrowby
