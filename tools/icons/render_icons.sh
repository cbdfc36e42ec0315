#!/usr/bin/env bash
# Redraws every game's desktop icons in games/<game>/icons/: runs the game's
# draw_icons.py (which writes <game>.svg and <game>-small.svg), renders
# <game>-<size>.png at each size of GAMES_ICON_SIZES, transparent, and packs
# the window icons (window_icons.py).
#
# Sizes of 32 px and less are drawn from <game>-small.svg, which keeps only
# what still reads there. A game without one has hand-made pictures for those
# sizes: its PNGs are kept as they are.
#
# Needs rsvg-convert (Debian and Ubuntu: apt-get install librsvg2-bin).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../setup.sh"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "rsvg-convert not found; install librsvg2-bin" >&2
    exit 1
fi

for game in $(game_names); do
    icons=$root/games/$game/icons
    if [ -f "$icons/draw_icons.py" ]; then python3 "$icons/draw_icons.py"; fi
    for size in $(icon_sizes); do
        src=$icons/$game.svg
        if [ "$size" -le 32 ]; then
            [ -f "$icons/$game-small.svg" ] || continue
            src=$icons/$game-small.svg
        fi
        rsvg-convert -w "$size" -h "$size" "$src" -o "$icons/$game-$size.png"
    done
done
python3 "$here/window_icons.py"
