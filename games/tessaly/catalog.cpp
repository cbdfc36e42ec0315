#include "catalog.h"
#include "tessaly/mainwindow.h"

namespace tessaly {

catalog::Game catalogEntry()
{
    using catalog::Player;
    return {
        .windows = {catalog::window<MainWindow>()},
        .iconSizes = {16, 32},  // the smile's own two
        .typedWords = [] { return QStringList{MainWindow::tr("орел"), MainWindow::tr("решка"), QStringLiteral("50")}; },
        .event = QStringLiteral("toss"),
        .prepare =
            [](const Player& player) {
                player.type("txt3", QStringLiteral("10"));
                player.type("txt4", MainWindow::tr("орел"));
            },
        .play = [](const Player& player, int n) { player.click(n % 2 ? "cmd3" : "cmd2"); },
        .scene =
            [](const Player& player) {
                player.type("txt3", QStringLiteral("50"));
                player.type("txt4", MainWindow::tr("орел"));
                player.click("cmd2");
            },
    };
}

} // namespace tessaly
