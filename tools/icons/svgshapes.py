"""Shapes the games' desktop icons are drawn from, as SVG text (viewBox
0 0 128 128): dice seen from above, coins face on and on edge, a round
backdrop. Each game's icons/draw_icons.py imports it and writes the game's
<game>.svg, for 48 px and up, and most also <game>-small.svg, drawn on a
16-cell grid with thick outlines for 16 and 32 px, where the big drawing's
fine lines and pips would blur into mud.

Only plain shapes and gradients are used, so any SVG Tiny renderer copes.
render_icons.sh turns the SVGs into PNGs.
"""
import math
from pathlib import Path

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



def write_icons(folder, game, big, small=None):
    """Writes folder/<game>.svg and, given a small drawing, <game>-small.svg."""
    Path(folder, f"{game}.svg").write_text(big)
    if small is not None:
        Path(folder, f"{game}-small.svg").write_text(small)
