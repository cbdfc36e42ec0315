#!/bin/sh
# Renders <size>/<game>.png (16, 32, 48, 64, 128 px, transparent) from the
# SVGs beside this script. The SVGs themselves come from draw_icons.py.
#
# Needs rsvg-convert (Debian and Ubuntu: apt-get install librsvg2-bin).
#
# 16 and 32 px are drawn from <game>-small.svg, which keeps only what still
# reads at that size. tessaly has hand-made pixel pictures for those two
# sizes, so they are copied rather than rendered.
set -eu
cd "$(dirname "$0")"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "rsvg-convert not found; install librsvg2-bin" >&2
    exit 1
fi

for game in $(grep -vE '^[[:space:]]*(#|$)' ../games/list.txt); do
    for size in 16 32 48 64 128; do
        mkdir -p "$size"
        src="$game.svg"
        if [ "$size" -le 32 ]; then
            if [ "$game" = tessaly ]; then
                cp "../games/tessaly/pictures/smile-$size.png" "$size/$game.png"
                continue
            fi
            if [ -f "$game-small.svg" ]; then
                src="$game-small.svg"
            fi
        fi
        rsvg-convert -w "$size" -h "$size" "$src" -o "$size/$game.png"
    done
done
