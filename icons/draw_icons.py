#!/usr/bin/python3
"""Writes the games' application icons as SVG (viewBox 0 0 128 128).

Each game gets <game>.svg for 48 px and up; most also get <game>-small.svg,
drawn on a 16-cell grid with thick outlines, for 16 and 32 px, where the big
drawing's fine lines and pips would blur into mud. tessaly.svg is the game's
own smiling face, scaled up; its small sizes are hand-made pixel pictures.

Only plain shapes and gradients are used, so any SVG Tiny renderer copes.
render_icons.sh turns the SVGs into PNGs.
"""
import math
import re
from pathlib import Path

HERE = Path(__file__).parent
GAMES = HERE.parent / "games"

INK = "#000000"


def fmt(v):
    return f"{v:.2f}".rstrip("0").rstrip(".")


def pts(points):
    return " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)


def svg(body, defs=""):
    head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.1"\n'
            '     width="128" height="128" viewBox="0 0 128 128">\n')
    if defs:
        head += f"<defs>\n{defs}</defs>\n"
    return head + body + "</svg>\n"


def backdrop(colour, width, r=None):
    r = r if r is not None else 62 - width / 2
    return (f'<circle cx="64" cy="64" r="{fmt(r)}" fill="{colour}" '
            f'stroke="{INK}" stroke-width="{fmt(width)}"/>\n')


# ---------------------------------------------------------------- dice

# Pip places on a face as fractions of its side, 1 to 6.
PIPS = {
    1: [(.5, .5)],
    2: [(.27, .27), (.73, .73)],
    3: [(.25, .25), (.5, .5), (.75, .75)],
    4: [(.26, .26), (.74, .26), (.26, .74), (.74, .74)],
    5: [(.25, .25), (.75, .25), (.5, .5), (.25, .75), (.75, .75)],
    6: [(.27, .24), (.73, .24), (.27, .5), (.73, .5), (.27, .76), (.73, .76)],
}

# Pips on alternate pixels of a face five pixels across inside, for 16 px.
GRID_PIPS = {4: [(1 / 3, 1 / 3), (2 / 3, 1 / 3), (1 / 3, 2 / 3), (2 / 3, 2 / 3)],
             5: [(1 / 3, 1 / 3), (2 / 3, 1 / 3), (.5, .5), (1 / 3, 2 / 3), (2 / 3, 2 / 3)]}


def die(x, y, s, dx, dy, faces, colours, pip_colour, outline, pip_r=0.1, inner=0.8,
        grid=False):
    """A cube seen from the upper right: the front face is the square at
    (x, y) of side s; (dx, dy) is how far the back edges are shifted.
    faces = pips on (front, top, right); colours likewise."""
    front = [(x, y), (x + s, y), (x + s, y + s), (x, y + s)]
    top = [(x, y), (x + dx, y + dy), (x + s + dx, y + dy), (x + s, y)]
    right = [(x + s, y), (x + s + dx, y + dy), (x + s + dx, y + s + dy), (x + s, y + s)]
    # Each face as an affine map of the unit square, so round pips turn
    # into ellipses lying flat on the face.
    maps = [(s, 0, 0, s, x, y),
            (s, 0, dx, dy, x, y),
            (dx, dy, 0, s, x + s, y)]
    out = []
    for poly, col in zip((front, top, right), colours):
        out.append(f'<polygon points="{pts(poly)}" fill="{col}"/>')
    for n, m in zip(faces, maps):
        if not n:
            continue
        if m[3] < 0:
            # The top face is mapped from the front edge backwards; flip v so
            # the pip pattern reads the same way round.
            m = (m[0], m[1], -m[2], -m[3], m[4] + m[2], m[5] + m[3])
        circles = "".join(f'<circle cx="{fmt(u)}" cy="{fmt(v)}" r="{fmt(pip_r)}"/>'
                          for u, v in (GRID_PIPS if grid else PIPS)[n])
        out.append(f'<g fill="{pip_colour}" transform="matrix({",".join(fmt(c) for c in m)})">'
                   f'{circles}</g>')
    # One outline over all three faces and the two inner edges.
    sil = [(x, y), (x + dx, y + dy), (x + s + dx, y + dy), (x + s + dx, y + s + dy),
           (x + s, y + s), (x, y + s)]
    out.append(f'<polygon points="{pts(sil)}" fill="none" stroke="{INK}" '
               f'stroke-width="{fmt(outline)}" stroke-linejoin="round"/>')
    out.append(f'<polyline points="{pts([(x, y), (x + s, y), (x + s + dx, y + dy)])}" '
               f'fill="none" stroke="{INK}" stroke-width="{fmt(outline * inner)}" '
               f'stroke-linejoin="round"/>')
    out.append(f'<line x1="{fmt(x + s)}" y1="{fmt(y)}" x2="{fmt(x + s)}" y2="{fmt(y + s)}" '
               f'stroke="{INK}" stroke-width="{fmt(outline * inner)}"/>')
    return "\n".join(out) + "\n"


def die_shadow(x, y, s, dx, dy, lx, ly, colour="#404040"):
    """Shadow on the ground of the die above, cast away from the light by
    (lx, ly) per unit of height."""
    base = [(x, y + s), (x + s, y + s), (x + s + dx, y + s + dy), (x + dx, y + s + dy)]
    cast = [(px + lx * s, py + ly * s) for px, py in base]
    # Hull of the footprint and its cast copy is enough for a box.
    hull = convex_hull(base + cast)
    return f'<polygon points="{pts(hull)}" fill="{colour}"/>\n'


def convex_hull(points):
    p = sorted(set(points))

    def half(seq):
        h = []
        for q in seq:
            while len(h) >= 2 and ((h[-1][0] - h[-2][0]) * (q[1] - h[-2][1])
                                   - (h[-1][1] - h[-2][1]) * (q[0] - h[-2][0])) <= 0:
                h.pop()
            h.append(q)
        return h

    lower, upper = half(p), half(reversed(p))
    return lower[:-1] + upper[:-1]


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


# ---------------------------------------------------------------- snail

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


# ---------------------------------------------------------------- smile

def tessaly():
    """The game's own 32-unit face, only scaled to the common 128 box."""
    src = (GAMES / "tessaly" / "pictures" / "smile.svg").read_text()
    inner = re.search(r"<svg[^>]*>(.*)</svg>", src, re.S).group(1).strip("\n")
    return svg(f'<g transform="scale(4)">\n{inner}\n</g>\n')


# ---------------------------------------------------------------- coins

COIN_DEFS = """<linearGradient id="face" x1="0" y1="0" x2="0.4" y2="1">
<stop offset="0" stop-color="#FFB53A"/>
<stop offset="0.55" stop-color="#FF9F00"/>
<stop offset="1" stop-color="#F29400"/>
</linearGradient>
<linearGradient id="edge" x1="0" y1="0" x2="1" y2="0">
<stop offset="0" stop-color="#8C5C00"/>
<stop offset="0.3" stop-color="#BF7F00"/>
<stop offset="0.45" stop-color="#DDA030"/>
<stop offset="0.62" stop-color="#BF7F00"/>
<stop offset="1" stop-color="#7A4E00"/>
</linearGradient>
"""


def star_points(cx, cy, rx, ry, inner=0.4):
    out = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        k = 1 if i % 2 == 0 else inner
        out.append((cx + rx * k * math.cos(a), cy + ry * k * math.sin(a)))
    return out


def coin_face(cx, cy, rx, ry, outline, rim, star=True, shine=True, bold=False):
    """Face of a coin like the game's own: orange face, darker rim band,
    a pale line inside it and a raised star."""
    out = [f'<ellipse cx="{fmt(cx)}" cy="{fmt(cy)}" rx="{fmt(rx)}" ry="{fmt(ry)}" '
           f'fill="url(#face)" stroke="{INK}" stroke-width="{fmt(outline)}"/>']
    k = rim / 2 + outline / 2
    out.append(f'<ellipse cx="{fmt(cx)}" cy="{fmt(cy)}" rx="{fmt(rx - k * rx / ry if rx < ry else rx - k)}" '
               f'ry="{fmt(ry - k * ry / rx if ry < rx else ry - k)}" fill="none" '
               f'stroke="#BF7F00" stroke-width="{fmt(rim)}"/>')
    if star:
        # bold: a bigger, paler star that survives 16 px.
        q, fill = (0.62, "#FFE8A0") if bold else (0.5, "#FFC850")
        out.append(f'<polygon points="{pts(star_points(cx, cy, rx * q, ry * q, 0.45))}" '
                   f'fill="{fill}" stroke="#BF7F00" stroke-width="{fmt(rim * 0.5)}" '
                   f'stroke-linejoin="round"/>')
    if shine:
        # Gloss up on the left, as on the game's coins.
        x0, y0 = cx - rx * 0.62, cy - ry * 0.22
        out.append(f'<path d="M{fmt(x0)},{fmt(y0)} Q{fmt(cx - rx * 0.55)},{fmt(cy - ry * 0.62)} '
                   f'{fmt(cx - rx * 0.1)},{fmt(cy - ry * 0.7)} Q{fmt(cx - rx * 0.45)},{fmt(cy - ry * 0.5)} '
                   f'{fmt(x0)},{fmt(y0)} Z" fill="#FFFFFF" fill-opacity="0.6"/>')
    return "\n".join(out) + "\n"


def coin_on_edge(cx, cy, rx, ry, t, outline, rim, reeds=0, shine=True, bold=False):
    """Coin turned about its upright axis: the face is the ellipse at
    (cx, cy), the edge shows t units to the right of it."""
    top, bot = (cx, cy - ry), (cx, cy + ry)
    d = (f"M{fmt(top[0])},{fmt(top[1])} L{fmt(cx + t)},{fmt(top[1])} "
         f"A{fmt(rx)},{fmt(ry)} 0 0 1 {fmt(cx + t)},{fmt(bot[1])} "
         f"L{fmt(bot[0])},{fmt(bot[1])} Z")
    out = [f'<path d="{d}" fill="url(#edge)" stroke="{INK}" stroke-width="{fmt(outline)}" '
           f'stroke-linejoin="round"/>']
    if reeds:
        lines = []
        for i in range(1, reeds):
            a = -math.pi / 2 + math.pi * i / reeds
            x, y = cx + rx * math.cos(a), cy + ry * math.sin(a)
            lines.append(f"M{fmt(x + t * 0.15)},{fmt(y)} L{fmt(x + t * 0.85)},{fmt(y)}")
        out.append(f'<path d="{" ".join(lines)}" stroke="#7A5000" stroke-width="{fmt(outline * 0.5)}" '
                   f'stroke-opacity="0.6" fill="none"/>')
    return "\n".join(out) + "\n" + coin_face(cx, cy, rx, ry, outline, rim, shine=shine, bold=bold)


# ---------------------------------------------------------------- brannock

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


# ---------------------------------------------------------------- corvane

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


# ---------------------------------------------------------------- pendlow

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


def main():
    out = {
        "marrowby": marrowby(),
        "marrowby-small": marrowby_small(),
        "quillsey": quillsey(),
        "quillsey-small": quillsey_small(),
        "tessaly": tessaly(),
        "brannock": brannock(),
        "brannock-small": brannock_small(),
        "corvane": corvane(),
        "corvane-small": corvane_small(),
        "pendlow": pendlow(),
        "pendlow-small": pendlow_small(),
    }
    for name, text in out.items():
        (HERE / f"{name}.svg").write_text(text)


if __name__ == "__main__":
    main()
