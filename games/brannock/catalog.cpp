#include "catalog.h"
#include "brannock/mainwindow.h"

namespace brannock {

catalog::Game catalogEntry()
{
    using catalog::Player;
    return {
        .windows = {catalog::window<MainWindow>()},
        .iconSizes = catalog::packedIconSizes,
        .event = QStringLiteral("throw"),
        // No dice before the player registers.
        .prepare = [](const Player& player) { player.click("CmdR"); },
        .play = [](const Player& player, int) { player.click("cmd1"); },
        .scene =
            [](const Player& player) {
                player.click("CmdR");
                for (int i = 0; i < 3; ++i)
                    player.click("cmd1");
            },
    };
}

} // namespace brannock
