#!/usr/bin/python3
"""Writes Pendlow's desktop icons beside this script: pendlow.svg for 48 px
and up, and pendlow-small.svg for 16 and 32 px."""
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
# The shapes every game's icon is drawn from.
sys.path.insert(0, str(HERE.parents[2] / "tools" / "icons"))
from svgshapes import INK, backdrop, die, die_shadow, fmt, pts, svg, write_icons  # noqa: E402


RED = ("#FF0000", "#A00000", "#D00000")
MONITOR_DEFS = """<linearGradient id="screen" x1="0" y1="0" x2="0.6" y2="1">
<stop offset="0" stop-color="#2020A0"/>
<stop offset="1" stop-color="#000060"/>
</linearGradient>
"""


def monitor(x, y, w, h, bezel, outline, depth, screen_line=0.7):
    """Boxy old screen on a short stand, its right side in shade."""
    dx, dy = depth
    neck_w, neck_h = w * 0.2, h * 0.16
    nx = x + (w - neck_w) / 2
    base_w, base_h = w * 0.56, h * 0.12
    bx = x + (w - base_w) / 2
    by = y + h + neck_h
    out = [f'<polygon points="{pts([(bx, by), (bx + base_w, by), (bx + base_w + dx * 0.6, by + base_h), (bx - dx * 0.6, by + base_h)])}" '
           f'fill="#A0A0A0" stroke="{INK}" stroke-width="{fmt(outline)}" stroke-linejoin="round"/>',
           f'<rect x="{fmt(nx)}" y="{fmt(y + h - outline)}" width="{fmt(neck_w)}" '
           f'height="{fmt(neck_h + outline)}" fill="#909090" stroke="{INK}" '
           f'stroke-width="{fmt(outline)}"/>',
           f'<polygon points="{pts([(x + w, y), (x + w + dx, y + dy), (x + w + dx, y + h + dy), (x + w, y + h)])}" '
           f'fill="#808080" stroke="{INK}" stroke-width="{fmt(outline)}" stroke-linejoin="round"/>',
           f'<polygon points="{pts([(x, y), (x + dx, y + dy), (x + w + dx, y + dy), (x + w, y)])}" '
           f'fill="#E0E0E0" stroke="{INK}" stroke-width="{fmt(outline)}" stroke-linejoin="round"/>',
           f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" '
           f'fill="#C0C0C0" stroke="{INK}" stroke-width="{fmt(outline)}" stroke-linejoin="round"/>',
           f'<rect x="{fmt(x + bezel)}" y="{fmt(y + bezel)}" width="{fmt(w - 2 * bezel)}" '
           f'height="{fmt(h - 2 * bezel)}" fill="url(#screen)" stroke="{INK}" '
           f'stroke-width="{fmt(outline * screen_line)}"/>']
    return "\n".join(out) + "\n"


def pendlow():
    body = backdrop("#FFE0C0", 3)
    body += monitor(18, 32, 60, 44, 7, 2.6, (8, -6))
    # On the screen, the last throw: a tiny white die face showing one.
    body += ('<rect x="38" y="44" width="20" height="20" rx="3" fill="#FFFFFF" '
             'stroke="#000000" stroke-width="1.5"/>\n'
             '<circle cx="48" cy="54" r="3.2" fill="#FF0000"/>\n')
    body += '<path d="M27,40 L35,40 L27,52 Z" fill="#FFFFFF" fill-opacity="0.35"/>\n'
    d = dict(x=58, y=61, s=38, dx=14, dy=-11)
    body += die_shadow(**d, lx=0.1, ly=0.2, colour="#D0A880")
    body += die(**d, faces=(6, 3, 5), colours=RED, pip_colour="#FFFFFF", outline=2.8,
                pip_r=0.1)
    return svg(body, MONITOR_DEFS)


def pendlow_small():
    body = backdrop("#FFE0C0", 8, r=60)
    body += monitor(12, 28, 56, 40, 12, 8, (8, -8), screen_line=0)
    body += '<rect x="24" y="40" width="8" height="8" fill="#FFFFFF" fill-opacity="0.5"/>\n'
    body += die(x=52, y=60, s=48, dx=16, dy=-16, faces=(4, 0, 0), colours=RED,
                pip_colour="#FFFFFF", outline=8, pip_r=0.1, inner=1, grid=True)
    return svg(body, MONITOR_DEFS)


if __name__ == "__main__":
    write_icons(HERE, "pendlow", pendlow(), pendlow_small())
