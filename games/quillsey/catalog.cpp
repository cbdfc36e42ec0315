#include "catalog.h"
#include "quillsey/mainwindow.h"
#include "quillsey/ruleswindow.h"

namespace quillsey {

catalog::Game catalogEntry()
{
    using catalog::Player;
    return {
        .windows = {catalog::window<MainWindow>(), catalog::window<RulesWindow>("rules")},
        .iconSizes = catalog::packedIconSizes,
        .typedWords = [] { return QStringList{QStringLiteral("200"), QStringLiteral("250")}; },
        .event = QStringLiteral("launch"),
        .play = [](const Player& player, int) { player.click("cmd1"); },
        // A stake, the three fields launched, the points, the money and the verdict.
        .scene =
            [](const Player& player) {
                player.type("txt4", QStringLiteral("200"));
                for (const char* button : {"cmd1", "cmd2", "cmd3", "cmd4", "cmd6"})
                    player.click(button);
            },
    };
}

} // namespace quillsey
