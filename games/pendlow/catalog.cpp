#include "catalog.h"
#include "pendlow/mainwindow.h"

namespace pendlow {

catalog::Game catalogEntry()
{
    using catalog::Player;
    return {
        .windows = {catalog::window<MainWindow>()},
        .iconSizes = catalog::packedIconSizes,
        .event = QStringLiteral("throw"),
        .play = [](const Player& player, int) { player.click("Cmd1"); },
        .scene =
            [](const Player& player) {
                for (int i = 0; i < 3; ++i)
                    player.click("Cmd1");
            },
    };
}

} // namespace pendlow
