#!/usr/bin/python3
"""Writes Quillsey's desktop icons beside this script: quillsey.svg for 48 px
and up, and quillsey-small.svg for 16 and 32 px."""
import math
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
# The shapes every game's icon is drawn from.
sys.path.insert(0, str(HERE.parents[2] / "tools" / "icons"))
from svgshapes import fmt, svg, write_icons  # noqa: E402


def quad(p0, p1, p2, n=24):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / n for i in range(n + 1))]


def ribbon(line, w0, w1):
    """Outline of a line whose width runs from w0 to w1, with round ends,
    as one closed path; SVG strokes cannot taper."""
    n = len(line) - 1
    left, right = [], []
    for i, (x, y) in enumerate(line):
        ax, ay = line[max(i - 1, 0)]
        bx, by = line[min(i + 1, n)]
        tx, ty = bx - ax, by - ay
        d = math.hypot(tx, ty) or 1
        nx, ny = -ty / d, tx / d
        h = (w0 + (w1 - w0) * i / n) / 2
        left.append((x + nx * h, y + ny * h))
        right.append((x - nx * h, y - ny * h))
    h0, h1 = w0 / 2, w1 / 2
    d = f"M{fmt(left[0][0])},{fmt(left[0][1])} L" + " ".join(
        f"{fmt(x)},{fmt(y)}" for x, y in left[1:])
    d += f" A{fmt(h1)},{fmt(h1)} 0 0 1 {fmt(right[-1][0])},{fmt(right[-1][1])} L"
    d += " ".join(f"{fmt(x)},{fmt(y)}" for x, y in reversed(right[:-1]))
    d += f" A{fmt(h0)},{fmt(h0)} 0 0 1 {fmt(left[0][0])},{fmt(left[0][1])} Z"
    return d


def spiral(c, r_end, turns, end_angle, start=0.1, n=160, squash=0.97):
    """Even spiral from near the middle out to r_end at end_angle."""
    tmax = turns * 2 * math.pi
    out = []
    for i in range(n + 1):
        th = tmax * (start + (1 - start) * i / n)
        r = r_end * th / tmax
        a = end_angle - (tmax - th)
        out.append((c[0] + r * math.cos(a), c[1] + r * math.sin(a) * squash))
    return out


SNAIL_INK = "#3A2008"
SNAIL_DEFS = """<linearGradient id="skin" gradientUnits="userSpaceOnUse" x1="0" y1="150" x2="0" y2="205">
<stop offset="0" stop-color="#F0E0B0"/>
<stop offset="1" stop-color="#D6BE88"/>
</linearGradient>
<radialGradient id="shell" gradientUnits="userSpaceOnUse" cx="142" cy="54" r="132">
<stop offset="0" stop-color="#F2CC6E"/>
<stop offset="0.35" stop-color="#D49A26"/>
<stop offset="0.75" stop-color="#B07A14"/>
<stop offset="1" stop-color="#7E520A"/>
</radialGradient>
<radialGradient id="shine" gradientUnits="userSpaceOnUse" cx="140" cy="52" r="22">
<stop offset="0" stop-color="#FFFFFF" stop-opacity="0.75"/>
<stop offset="1" stop-color="#FFFFFF" stop-opacity="0"/>
</radialGradient>
"""


def quillsey():
    """Traced from the game's own snail (a 288 x 212 drawing), scaled down."""
    head = '<ellipse cx="48" cy="157" rx="38" ry="45"/>'
    foot = '<path d="M50,164 Q170,154 279,193 L279,197 Q160,206 40,200 Z"/>'
    eyes = [(27, 40), (70, 27)]
    stalks = [ribbon(quad(b, m, e), 15, 10) for b, m, e in
              zip([(38, 128), (60, 126)], [(22, 84), (72, 74)], eyes)]
    stalk = "".join(f'<path d="{d}"/>' for d in stalks)
    parts = head + foot + stalk
    o = 7   # outline width, drawn as a stroke under the fills
    b = f'<g transform="translate(1,17) scale(0.44)">\n'
    b += (f'<g fill="{SNAIL_INK}" stroke="{SNAIL_INK}" stroke-width="{2 * o}" '
          f'stroke-linejoin="round">{parts}</g>\n')
    b += f'<g fill="url(#skin)">{parts}</g>\n'
    b += ('<path d="M60,193 Q160,199 258,191" fill="none" stroke="#C4AA76" '
          'stroke-width="4" stroke-linecap="round"/>\n')
    b += (f'<ellipse cx="178" cy="92" rx="80" ry="77" fill="url(#shell)" '
          f'stroke="{SNAIL_INK}" stroke-width="{2 * o}"/>\n')
    b += '<ellipse cx="178" cy="92" rx="73" ry="70" fill="url(#shine)"/>\n'
    sp = spiral((183, 95), 76, 2.35, math.radians(150))
    b += f'<path d="{ribbon(sp, 5, 10)}" fill="{SNAIL_INK}"/>\n'
    b += f'<path d="{ribbon(quad((17, 163), (27, 175), (41, 166)), 6, 5)}" fill="{SNAIL_INK}"/>\n'
    b += '<circle cx="43" cy="150" r="8" fill="#F4A888"/>\n'
    for x, y in eyes:
        b += (f'<circle cx="{x}" cy="{y}" r="{16 + o / 2}" fill="#FFFFFF" '
              f'stroke="{SNAIL_INK}" stroke-width="{o}"/>')
        b += f'<circle cx="{x - 5}" cy="{y - 1}" r="8.5" fill="#100C08"/>'
        b += f'<circle cx="{x - 7.5}" cy="{y - 4}" r="2.8" fill="#FFFFFF"/>\n'
    b += "</g>\n"
    return svg(b, SNAIL_DEFS)


def quillsey_small():
    """Same snail rebuilt for 16 and 32 px: fewer turns of the spiral, one
    pixel lines, big eyes."""
    o = 8
    eyes = [(16, 24), (40, 16)]
    head = '<ellipse cx="28" cy="90" rx="19" ry="22"/>'
    foot = '<path d="M28,94 Q84,88 122,106 L122,110 Q80,114 24,112 Z"/>'
    stalks = "".join(f'<path d="{ribbon(quad(b, m, e, 12), 10, 8)}"/>' for b, m, e in
                     zip([(22, 74), (36, 72)], [(14, 46), (42, 44)], eyes))
    parts = head + foot + stalks
    b = (f'<g fill="{SNAIL_INK}" stroke="{SNAIL_INK}" stroke-width="{2 * o}" '
         f'stroke-linejoin="round">{parts}</g>\n')
    b += f'<g fill="#EEDCA8">{parts}</g>\n'
    # The shell stays light so the dark spiral still shows at 16 px.
    b += (f'<circle cx="80" cy="60" r="36" fill="url(#shell)" '
          f'stroke="{SNAIL_INK}" stroke-width="{o}"/>\n')
    sp = spiral((82, 62), 34, 1.55, math.radians(165), start=0.1)
    b += f'<path d="{ribbon(sp, 8, 8)}" fill="{SNAIL_INK}"/>\n'
    for x, y in eyes:
        b += (f'<circle cx="{x}" cy="{y}" r="{9 + o / 2}" fill="#FFFFFF" '
              f'stroke="{SNAIL_INK}" stroke-width="{o}"/>')
        b += f'<circle cx="{x - 3}" cy="{y + 1}" r="5" fill="#100C08"/>\n'
    defs = """<radialGradient id="shell" gradientUnits="userSpaceOnUse" cx="64" cy="40" r="60">
<stop offset="0" stop-color="#F8D680"/>
<stop offset="0.6" stop-color="#E0A63A"/>
<stop offset="1" stop-color="#B8801C"/>
</radialGradient>
"""
    return svg(b, defs)


if __name__ == "__main__":
    write_icons(HERE, "quillsey", quillsey(), quillsey_small())
