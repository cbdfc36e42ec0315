#!/usr/bin/python3
"""Writes coins.svg: a hand-piled stack of nine gold coins on the right and
two loose coins at the lower left. Everything else stays transparent, so the
window's own background shows through.

Only plain shapes and linear gradients are used, because Qt's SVG renderer
handles SVG Tiny and nothing fancier.
"""
import math
from pathlib import Path

W, H = 363, 291

FACE = "#FF9F00"
RIM = "#BF7F00"
LINE = "#000000"

RX, RY = 62.0, 23.0   # face ellipse of every coin
THICK = 15.0          # visible height of the edge band

# Horizontal nudges of the stacked coins, bottom to top. Chosen by hand so the
# pile leans a little one way, then the other, like coins dropped by hand.
STACK_X = 282.0
STACK_NUDGES = [0, 6, -4, 2, 8, 3, -6, -2, 4]
STACK_BOTTOM = 287.0


def f(v):
    return f"{v:.2f}".rstrip("0").rstrip(".")


def band(cx, cy):
    """Edge band: lower half of the face ellipse swept down by THICK."""
    l, r = cx - RX, cx + RX
    return (f'<path d="M{f(l)},{f(cy)} L{f(l)},{f(cy + THICK)} '
            f'A{f(RX)},{f(RY)} 0 0,0 {f(r)},{f(cy + THICK)} '
            f'L{f(r)},{f(cy)} A{f(RX)},{f(RY)} 0 0,1 {f(l)},{f(cy)} Z" '
            f'fill="url(#edge)" stroke="{LINE}" stroke-width="1.2" '
            f'stroke-linejoin="round"/>')


def reeding(cx, cy):
    """Short grooves on the band; denser towards the sides, as on a cylinder."""
    out = []
    n = 17
    for i in range(1, n):
        a = math.pi * i / n
        x = cx + RX * math.cos(a)
        y = cy + RY * math.sin(a)
        out.append(f"M{f(x)},{f(y + 1.6)} L{f(x)},{f(y + THICK - 1.2)}")
    return (f'<path d="{" ".join(out)}" stroke="#7A5000" '
            f'stroke-width="0.8" stroke-opacity="0.55" fill="none"/>')


def face(cx, cy):
    """Top face with a raised rim: dark ring, then a thin light lip inside."""
    k = RY / RX
    inset = 6.0
    return "\n".join([
        f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(RX)}" ry="{f(RY)}" '
        f'fill="url(#face)" stroke="{LINE}" stroke-width="1.2"/>',
        f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(RX - inset / 2)}" '
        f'ry="{f(RY - inset / 2 * k)}" fill="none" stroke="{RIM}" '
        f'stroke-width="{f(inset * 0.75)}" stroke-opacity="0.9"/>',
        f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(RX - inset)}" '
        f'ry="{f(RY - inset * k)}" fill="none" stroke="#FFD27A" '
        f'stroke-width="0.9"/>',
        f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(RX - inset - 0.9)}" '
        f'ry="{f(RY - (inset + 0.9) * k)}" fill="none" stroke="#8A5A00" '
        f'stroke-width="0.6" stroke-opacity="0.6"/>',
    ])


def star(cx, cy, r_out=31.0, r_in=12.5):
    """Five-pointed star lying flat on the face, so squashed like the face."""
    k = RY / RX
    pts = []
    for i in range(10):
        r = r_out if i % 2 == 0 else r_in
        a = -math.pi / 2 + math.pi * i / 5
        pts.append(f"{f(cx + r * math.cos(a))},{f(cy + r * math.sin(a) * k)}")
    return (f'<polygon points="{" ".join(pts)}" fill="#FFB534" '
            f'stroke="{RIM}" stroke-width="2" stroke-linejoin="round"/>')


def beads(cx, cy, n=28, r=42.0):
    """Ring of small dots inside the rim, the usual border on a struck coin."""
    k = RY / RX
    out = []
    for i in range(n):
        a = 2 * math.pi * i / n
        x = cx + r * math.cos(a)
        y = cy + r * math.sin(a) * k
        out.append(f'<ellipse cx="{f(x)}" cy="{f(y)}" rx="1.3" ry="0.75"/>')
    return f'<g fill="{RIM}">' + "".join(out) + "</g>"


def gloss(cx, cy):
    """A soft highlight on the upper left of the face."""
    return (f'<path d="M{f(cx - 44)},{f(cy - 3)} '
            f'Q{f(cx - 38)},{f(cy - 13)} {f(cx - 14)},{f(cy - 15)} '
            f'Q{f(cx - 34)},{f(cy - 10)} {f(cx - 44)},{f(cy - 3)} Z" '
            f'fill="#FFFFFF" fill-opacity="0.55"/>')


def coin(cx, cy, emblem=False):
    parts = [band(cx, cy), reeding(cx, cy), face(cx, cy)]
    if emblem:
        parts += [beads(cx, cy), star(cx, cy)]
    parts.append(gloss(cx, cy))
    return "\n".join(parts)


def main():
    body = []

    # Loose pair at the lower left: the upper coin slides a bit right and up.
    lx, ly = 72.0, STACK_BOTTOM - RY - THICK
    body.append(coin(lx, ly))
    body.append(coin(lx + 19, ly - THICK - 4, emblem=True))

    cy = STACK_BOTTOM - RY - THICK
    for i, dx in enumerate(STACK_NUDGES):
        top = i == len(STACK_NUDGES) - 1
        body.append(coin(STACK_X + dx, cy, emblem=top))
        cy -= THICK

    svg = f'''<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.1"
     width="{W}" height="{H}" viewBox="0 0 {W} {H}">
<defs>
<linearGradient id="edge" x1="0" y1="0" x2="1" y2="0">
<stop offset="0" stop-color="#8C5C00"/>
<stop offset="0.3" stop-color="{RIM}"/>
<stop offset="0.45" stop-color="#DDA030"/>
<stop offset="0.62" stop-color="{RIM}"/>
<stop offset="1" stop-color="#7A4E00"/>
</linearGradient>
<linearGradient id="face" x1="0" y1="0" x2="0.4" y2="1">
<stop offset="0" stop-color="#FFB53A"/>
<stop offset="0.55" stop-color="{FACE}"/>
<stop offset="1" stop-color="#F29400"/>
</linearGradient>
</defs>
{chr(10).join(body)}
</svg>
'''
    Path(__file__).with_name("coins.svg").write_text(svg, encoding="utf-8")


if __name__ == "__main__":
    main()
