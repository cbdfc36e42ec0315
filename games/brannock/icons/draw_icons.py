#!/usr/bin/python3
"""Writes Brannock's desktop icons beside this script: brannock.svg for 48 px
and up, and brannock-small.svg for 16 and 32 px."""
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
# The shapes every game's icon is drawn from.
sys.path.insert(0, str(HERE.parents[2] / "tools" / "icons"))
from svgshapes import COIN_DEFS, INK, backdrop, coin_face, die, die_shadow, pts, star_points, svg, write_icons  # noqa: E402


BLUE = ("#5A78FF", "#2030C0", "#3A52E8")


def brannock():
    body = backdrop("#FFC080", 3)
    # The coin shows a sliver of edge low on the right, so it stands off
    # the backdrop rather than lying painted on it.
    body += (f'<circle cx="84" cy="52" r="33" fill="#BF7F00" stroke="{INK}" '
             f'stroke-width="2.6"/>\n')
    body += coin_face(80, 48, 33, 33, 2.6, 5)
    d = dict(x=22, y=60, s=40, dx=14, dy=-11)
    body += die_shadow(**d, lx=0.24, ly=0.18, colour="#C08050")
    body += die(**d, faces=(5, 3, 1), colours=BLUE, pip_colour="#FFFFFF", outline=2.8,
                pip_r=0.105)
    return svg(body, COIN_DEFS)


def brannock_small():
    body = backdrop("#FFC080", 8, r=60)
    body += (f'<circle cx="82" cy="42" r="30" fill="url(#face)" stroke="{INK}" '
             f'stroke-width="8"/>\n')
    body += (f'<polygon points="{pts(star_points(82, 42, 18, 18, inner=0.45))}" '
             f'fill="#FFE080" stroke="#BF7F00" stroke-width="5" stroke-linejoin="round"/>\n')
    body += die(x=20, y=60, s=48, dx=16, dy=-16, faces=(5, 0, 0), colours=BLUE,
                pip_colour="#FFFFFF", outline=8, pip_r=0.1, inner=1, grid=True)
    return svg(body, COIN_DEFS)


if __name__ == "__main__":
    write_icons(HERE, "brannock", brannock(), brannock_small())
