#pragma once

#include "form.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Every game's windows, with a few moves a player makes in them, for the
// tools and the tests that go through all games. Each game describes itself
// in its catalog.cpp; the build joins them in the order of games/list.txt.
namespace catalog {

using shell::Form;
using shell::Runtime;

struct Window {
    QString role;  // empty for the startup window; "rules", "warning"
    std::function<Form*(Runtime&)> make;  // made, neither loaded nor shown
    // Made, loaded and shown as the program opens its startup window.
    std::function<Form*(Runtime&)> open;
};

template <typename W>
Window window(const char* role = "")
{
    return {QString::fromUtf8(role), [](Runtime& runtime) -> Form* { return new W(runtime); },
            [](Runtime& runtime) -> Form* { return shell::openStartupForm<W>(runtime); }};
}

// What a scripted player does to a window. The gallery presses buttons
// directly; the benchmark sends real mouse clicks.
struct Player {
    Form& window;
    std::function<void(QAbstractButton*)> press;

    void click(const char* name, int index = -1) const;
    void type(const char* name, const QString& text) const;
};

struct Game {
    QString name = {};         // pendlow: its folder, program and namespace (from games/list.txt)
    QString programName = {};  // Pendlow
    QList<Window> windows = {};  // the startup window first
    // The sizes every window's icon carries; none where the windows keep
    // the default icon.
    QList<int> iconSizes = {};
    // What the game compares a player's typing with (a stake, a side of the
    // coin), in the language it speaks now; none where any text will do.
    std::function<QStringList()> typedWords = [] { return QStringList(); };
    QString event = {};  // what one play() is: "throw", "toss", "launch"
    // What a player does before the first event (a stake, a name), and the
    // nth event itself.
    std::function<void(const Player&)> prepare = {};
    std::function<void(const Player&, int n)> play = {};
    // The moves before the gallery's picture of the startup window.
    std::function<void(const Player&)> scene = {};

    // "Pendlow", "Marrowby rules": for messages and test rows.
    QString title(const Window& window) const;
};

// The games of games/list.txt, in its order.
const QList<Game>& games();

// The icon sizes of the games that pack their window icon from their desktop
// icons: GAMES_ICON_SIZES of the top CMakeLists.txt.
inline const QList<int> packedIconSizes = {GAMES_ICON_SIZES};

} // namespace catalog
