#!/usr/bin/python3
"""Writes Marrowby's desktop icons beside this script: marrowby.svg for 48 px
and up, and marrowby-small.svg for 16 and 32 px."""
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
# The shapes every game's icon is drawn from.
sys.path.insert(0, str(HERE.parents[2] / "tools" / "icons"))
from svgshapes import INK, backdrop, die, die_shadow, svg, write_icons  # noqa: E402


GREY = ("#E0E0E0", "#808080", "#A0A0A0")


def marrowby():
    body = backdrop("#FDCA00", 3)
    back = dict(x=21, y=33, s=34, dx=12, dy=-9)
    fore = dict(x=49, y=61, s=40, dx=15, dy=-11)
    body += die_shadow(**back, lx=0.24, ly=0.18)
    body += die_shadow(**fore, lx=0.24, ly=0.18)
    body += die(**back, faces=(3, 6, 2), colours=GREY, pip_colour=INK, outline=2.6)
    body += die(**fore, faces=(5, 1, 4), colours=GREY, pip_colour=INK, outline=2.8,
                pip_r=0.105)
    return svg(body)


def marrowby_small():
    body = backdrop("#FDCA00", 8, r=60)
    # Edges on pixel centres at 16 px (8 units a pixel) stay sharp.
    body += die(x=20, y=52, s=56, dx=24, dy=-24, faces=(4, 0, 0), colours=GREY,
                pip_colour=INK, outline=8, pip_r=0.11, inner=1)
    return svg(body)


if __name__ == "__main__":
    write_icons(HERE, "marrowby", marrowby(), marrowby_small())
