#include "catalog.h"
#include "corvane/mainwindow.h"

namespace corvane {

catalog::Game catalogEntry()
{
    using catalog::Player;
    // Three coins on heads.
    const auto stake = [](const Player& player) {
        player.click("STM", 3);
        player.click("STRez", 1);
    };
    return {
        .windows = {catalog::window<MainWindow>()},
        .iconSizes = catalog::packedIconSizes,
        .event = QStringLiteral("toss"),
        .prepare = stake,
        .play = [](const Player& player, int) { player.click("CmdM"); },
        .scene =
            [stake](const Player& player) {
                stake(player);
                player.click("CmdM");
                player.click("CmdM");
            },
    };
}

} // namespace corvane
