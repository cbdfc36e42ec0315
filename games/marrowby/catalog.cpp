#include "catalog.h"
#include "marrowby/mainwindow.h"
#include "marrowby/picturewindows.h"

namespace marrowby {

// Every window keeps the default icon.
catalog::Game catalogEntry()
{
    using catalog::Player;
    return {
        .windows = {catalog::window<MainWindow>(), catalog::window<RulesWindow>("rules"),
                    catalog::window<WarningWindow>("warning")},
        .event = QStringLiteral("throw"),
        // The two players take turns.
        .play = [](const Player& player, int n) { player.click(n % 2 ? "cmd2" : "cmd1"); },
        .scene =
            [](const Player& player) {
                player.click("cmd1");
                player.click("cmd2");
                player.click("cmd1");
            },
    };
}

} // namespace marrowby
