#!/usr/bin/python3
"""Writes Corvane's desktop icons beside this script: corvane.svg for 48 px
and up, and corvane-small.svg for 16 and 32 px."""
import math
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
# The shapes every game's icon is drawn from.
sys.path.insert(0, str(HERE.parents[2] / "tools" / "icons"))
from svgshapes import COIN_DEFS, INK, coin_on_edge, fmt, svg, write_icons  # noqa: E402


def toss_arc(c, r, spans, width, outline):
    """Dashes along a rising arc on the left: the coin's way up. Pale gold
    inside a black line, so they show on light and dark panels alike."""
    out = []
    for colour, extra in ((INK, outline), ("#FFD27A", 0)):
        for a0, a1, w in spans:
            p0 = (c[0] + r * math.cos(math.radians(a0)), c[1] + r * math.sin(math.radians(a0)))
            p1 = (c[0] + r * math.cos(math.radians(a1)), c[1] + r * math.sin(math.radians(a1)))
            out.append(f'<path d="M{fmt(p0[0])},{fmt(p0[1])} A{r},{r} 0 0 1 '
                       f'{fmt(p1[0])},{fmt(p1[1])}" fill="none" stroke="{colour}" '
                       f'stroke-width="{fmt(width * w + extra)}" stroke-linecap="round"/>')
    return "\n".join(out) + "\n"


def corvane():
    body = '<ellipse cx="78" cy="118" rx="24" ry="5" fill="#000000" fill-opacity="0.22"/>\n'
    body += toss_arc((84, 108), 64, [(184, 196, 0.5), (204, 218, 0.75), (226, 240, 1.0)], 4, 5)
    body += '<g transform="rotate(-16 82 58)">\n'
    body += coin_on_edge(80, 58, 27, 42, 10, 3, 4.5, reeds=12)
    body += "</g>\n"
    return svg(body, COIN_DEFS)


def corvane_small():
    body = toss_arc((84, 112), 70, [(192, 232, 1.0)], 8, 8)
    body += '<g transform="rotate(-12 80 62)">\n'
    body += coin_on_edge(80, 62, 32, 50, 14, 8, 6, shine=False, bold=True)
    body += "</g>\n"
    return svg(body, COIN_DEFS)


if __name__ == "__main__":
    write_icons(HERE, "corvane", corvane(), corvane_small())
