#!/usr/bin/python3
"""Draws Marrowby's three pictures: the main window's dice background,
the rules card and the last-turn warning, each also at twice the size
(name@2x.ext) for screens with two pixels a point.  The rules card and the
warning carry words, so they come in every language of words/ (rules.jpg
in Russian, rules_<language>.jpg in the others), laid out alike.  Run with Debian's python3 (it has Pillow);
the files are written next to this script."""

import json
import math
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

HERE = Path(__file__).resolve().parent
FONTS = HERE.parents[2] / "shell" / "fonts"
RULES_FONT = FONTS / "ComicRelief-Bold.ttf"
WARNING_FONT = Path("/usr/share/fonts/truetype/liberation2/LiberationSerif-BoldItalic.ttf")

SS = 4  # supersampling factor; everything is drawn big, then shrunk smoothly
SCALES = {1: "", 2: "@2x"}  # picture pixels a point, and the file name's mark

BACKGROUND = (253, 202, 0)
FACE_COLOURS = {"front": (224, 224, 224), "top": (128, 128, 128), "right": (160, 160, 160)}
EDGE = (32, 32, 32)
PIP = (0, 0, 0)
SHADOW = (64, 64, 64)

# The words of each language, words/<language>.json: Russian, the wording
# players have always seen (slips and all), makes rules.jpg; every other
# language rules_<language>.jpg. Each file holds "rules" and "wish" (the
# rules picture), "warning" (the warning picture's four lines), "misfits"
# (letters whose width the font gets wrong) and "ink_sample" (the letters of
# the highest and lowest ink, for centring the lettering).
SOURCE_LANGUAGE = "ru"
LANGUAGES = {
    ("" if path.stem == SOURCE_LANGUAGE else "_" + path.stem): json.loads(path.read_text(encoding="utf-8"))
    for path in sorted((HERE / "words").glob("*.json"))
}
RULES_LINES = 13


# ---------------------------------------------------------------- 3D helpers

def add(a, b):
    return tuple(x + y for x, y in zip(a, b))


def sub(a, b):
    return tuple(x - y for x, y in zip(a, b))


def mul(a, k):
    return tuple(x * k for x in a)


def dot(a, b):
    return sum(x * y for x, y in zip(a, b))


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def unit(a):
    return mul(a, 1 / math.sqrt(dot(a, a)))


# World: x to the right, y up, z towards the viewer; dice are 2 units across
# and stand on the ground plane y = 0.
EYE = (7.5, 9.5, 20.0)
TARGET = (0.0, 0.9, 0.0)
LIGHT = (0.5, -1.0, 0.35)  # direction light travels: shadows fall right and forwards

# Each die: its centre, a small turn about the vertical (degrees, so the pair
# doesn't look stamped out of one mould), and the pips on its visible faces.
DICE = [
    {"centre": (-1.6, 1.0, 0.0), "turn": 7, "top": 6, "front": 3, "right": 2},
    {"centre": (1.6, 1.0, 0.0), "turn": -9, "top": 4, "front": 1, "right": 5},
]


def camera():
    forward = unit(sub(TARGET, EYE))
    right = unit(cross(forward, (0.0, 1.0, 0.0)))
    up = cross(right, forward)
    return forward, right, up


def project(point, cam):
    """Perspective projection to an abstract screen plane (y grows downwards)."""
    forward, right, up = cam
    d = sub(point, EYE)
    depth = dot(d, forward)
    return dot(d, right) / depth, -dot(d, up) / depth


def die_axes(die):
    """The die's own x, y, z axes after its turn about the vertical."""
    a = math.radians(die["turn"])
    return (math.cos(a), 0.0, -math.sin(a)), (0.0, 1.0, 0.0), (math.sin(a), 0.0, math.cos(a))


def faces(die):
    """The three faces seen from the eye (it sits above and to the right, so
    these are always the ones facing it): (name, centre, u axis, v axis).
    u runs left-to-right and v bottom-to-top as the face is looked at, so the
    pip layouts below read the same on every face."""
    centre = die["centre"]
    x, y, z = die_axes(die)
    return [
        ("top", add(centre, y), x, mul(z, -1)),
        ("front", add(centre, z), x, y),
        ("right", add(centre, x), mul(z, -1), y),
    ]


def face_corners(fc, u, v):
    return [add(fc, add(mul(u, su), mul(v, sv))) for su, sv in ((-1, -1), (1, -1), (1, 1), (-1, 1))]


PIP_LAYOUTS = {
    1: [(0, 0)],
    2: [(-1, 1), (1, -1)],
    3: [(-1, 1), (0, 0), (1, -1)],
    4: [(-1, -1), (-1, 1), (1, -1), (1, 1)],
    5: [(-1, -1), (-1, 1), (0, 0), (1, -1), (1, 1)],
    6: [(-1, -1), (0, -1), (1, -1), (-1, 1), (0, 1), (1, 1)],
}


def pip_circles(fc, u, v, count):
    """Pips as 3D circles lying in the face plane, so perspective turns
    them into properly foreshortened ellipses."""
    spread = 0.5
    radius = 0.25 if count == 1 else 0.18
    circles = []
    for pu, pv in PIP_LAYOUTS[count]:
        centre = add(fc, add(mul(u, pu * spread), mul(v, pv * spread)))
        circles.append([
            add(centre, add(mul(u, radius * math.cos(a)), mul(v, radius * math.sin(a))))
            for a in (2 * math.pi * i / 64 for i in range(64))
        ])
    return circles


def convex_hull(points):
    """Outline around points (monotone chain); a die's shadow is the hull of
    its eight corners dropped onto the ground."""
    pts = sorted(set(points))
    if len(pts) < 3:
        return pts

    def half(seq):
        hull = []
        for p in seq:
            while len(hull) >= 2 and (
                (hull[-1][0] - hull[-2][0]) * (p[1] - hull[-2][1])
                - (hull[-1][1] - hull[-2][1]) * (p[0] - hull[-2][0])
            ) <= 0:
                hull.pop()
            hull.append(p)
        return hull[:-1]

    return half(pts) + half(reversed(pts))


def cube_corners(die):
    x, y, z = die_axes(die)
    return [add(die["centre"], add(mul(x, sx), add(mul(y, sy), mul(z, sz))))
            for sx in (-1, 1) for sy in (-1, 1) for sz in (-1, 1)]


def ground_shadow(die):
    """A die's corners dropped along the light onto the ground plane."""
    return [add(p, mul(LIGHT, -p[1] / LIGHT[1])) for p in cube_corners(die)]


# ------------------------------------------------------------ 2D drawing

def dice_shapes():
    """Everything to paint, in painter's order, as (colour, polygon, outline)
    with polygons in abstract screen coordinates."""
    cam = camera()
    shapes = []
    for die in DICE:
        outline = [project(p, cam) for p in ground_shadow(die)]
        shapes.append((SHADOW, convex_hull(outline), False))
    # The die farther from the eye goes first so the nearer one covers it.
    for die in sorted(DICE, key=lambda d: -dot(sub(d["centre"], EYE), sub(d["centre"], EYE))):
        for name, fc, u, v in faces(die):
            corners = [project(p, cam) for p in face_corners(fc, u, v)]
            shapes.append((FACE_COLOURS[name], corners, True))
            for circle in pip_circles(fc, u, v, die[name]):
                shapes.append((PIP, [project(p, cam) for p in circle], False))
    return shapes


def fit(shapes, box):
    """Scale and move the shapes so they sit centred in box (x0, y0, x1, y1)."""
    xs = [x for _, poly, _ in shapes for x, _ in poly]
    ys = [y for _, poly, _ in shapes for _, y in poly]
    scale = min((box[2] - box[0]) / (max(xs) - min(xs)), (box[3] - box[1]) / (max(ys) - min(ys)))
    dx = (box[0] + box[2]) / 2 - scale * (min(xs) + max(xs)) / 2
    dy = (box[1] + box[3]) / 2 - scale * (min(ys) + max(ys)) / 2
    return [(c, [(x * scale + dx, y * scale + dy) for x, y in poly], o) for c, poly, o in shapes]


def draw_dice(image, box, scale):
    """Paint the two dice (with shadows) into box on a supersampled image."""
    draw = ImageDraw.Draw(image)
    edge_width = round(1.2 * SS) * scale
    for colour, poly, outlined in fit(dice_shapes(), [c * SS * scale for c in box]):
        draw.polygon(poly, fill=colour)
        if outlined:
            draw.line(poly + [poly[0]], fill=EDGE, width=edge_width, joint="curve")


def canvas(size, scale):
    return Image.new("RGB", (size[0] * SS * scale, size[1] * SS * scale), BACKGROUND)


def shrink(image):
    return image.resize((image.width // SS, image.height // SS), Image.LANCZOS)


# ------------------------------------------------------------ lettering

class Lettering:
    """A font plus the fix-ups it needs.  `misfits` are glyphs whose advance
    is narrower than their own ink (ComicRelief-Bold's 'ю' is one: the next
    letter lands on top of it), so they are stepped over by their ink width."""

    def __init__(self, path, size, misfits="", ink_sample="ЙЁру№«"):
        self.font = ImageFont.truetype(str(path), size)
        self.size = size
        self.misfits = misfits
        self.ink_sample = ink_sample
        bearing = self.font.getlength("о") - self.font.getbbox("о")[2]
        self.advances = {ch: self.font.getbbox(ch)[2] + bearing for ch in misfits}

    def runs(self, text):
        run = ""
        for ch in text:
            if ch in self.misfits:
                if run:
                    yield run
                yield ch
                run = ""
            else:
                run += ch
        if run:
            yield run

    def advance(self, run):
        return self.advances.get(run) or self.font.getlength(run)

    def length(self, text):
        return sum(self.advance(run) for run in self.runs(text))

    def ink_height(self):
        """Top and bottom of the ink of a line drawn at y = 0."""
        _, top, _, bottom = self.font.getbbox(self.ink_sample)
        return top, bottom

    def draw(self, image, xy, text, ink, shade, offset):
        """Text with a solid drop shadow down and to the right."""
        draw = ImageDraw.Draw(image)
        for dx, colour in ((offset, shade), (0, ink)):
            x, y = xy[0] + dx, xy[1] + dx
            for run in self.runs(text):
                draw.text((x, y), run, font=self.font, fill=colour)
                x += self.advance(run)


# ------------------------------------------------------------ the pictures

def dice_picture(scale):
    image = canvas((605, 381), scale)
    draw_dice(image, (14, 12, 400, 250), scale)
    return shrink(image)


def even_lines(words, widths, space, count):
    """Break words into exactly `count` lines as evenly filled as possible
    (least squared distance from the average line), so the block reads as
    a tidy paragraph rather than full lines and a stub."""
    n = len(words)
    target = (sum(widths) + space * (n - 1)) / count
    inf = float("inf")
    best = [[inf] * (n + 1) for _ in range(count + 1)]
    back = [[0] * (n + 1) for _ in range(count + 1)]
    best[0][0] = 0.0
    for k in range(1, count + 1):
        for j in range(k, n + 1):
            width = -space
            for i in range(j - 1, k - 2, -1):
                width += widths[i] + space
                cost = best[k - 1][i] + (width - target) ** 2
                if cost < best[k][j]:
                    best[k][j], back[k][j] = cost, i
    lines, j = [], n
    for k in range(count, 0, -1):
        i = back[k][j]
        lines.append(" ".join(words[i:j]))
        j = i
    return lines[::-1]


def rules_lettering(text, size):
    return Lettering(RULES_FONT, size, text["misfits"], text["ink_sample"])


def rules_layout(text, width, height):
    """The largest lettering for which the 13 lines and the wish fit, at
    one point a picture pixel: a larger picture scales this layout rather
    than fitting its own, so its lines break at the same words."""
    # Broken at plain blanks only: a no-break space keeps its words together.
    words = text["rules"].split(" ")
    for size in range(30 * SS, 10 * SS, -1):
        letters = rules_lettering(text, size)
        space = letters.length(" ")
        lines = even_lines(words, [letters.length(w) for w in words], space, RULES_LINES)
        step = round(size * 1.12)
        top, bottom = letters.ink_height()
        tall = step * RULES_LINES + bottom - top
        wide = max(letters.length(line) for line in lines)
        if tall <= height and wide <= width:
            return size, lines, step
    raise RuntimeError("rules text does not fit")


def rules_picture(text, scale):
    image = canvas((497, 361), scale)
    draw_dice(image, (20, 36, 476, 326), scale)
    # Washed-out dice stay recognisable without fighting the text.
    image = Image.blend(image, Image.new("RGB", image.size, BACKGROUND), 0.55)

    view_w, view_h, margin = 491 * SS, 346 * SS, 7 * SS  # the window shows only this much
    size, lines, step = rules_layout(text, view_w - 2 * margin, view_h - 2 * margin)
    letters = rules_lettering(text, size * scale)
    view_w, view_h, step = view_w * scale, view_h * scale, step * scale
    top, bottom = letters.ink_height()
    wide = max(letters.length(line) for line in lines)
    x = (view_w - wide) / 2  # lines are left-aligned, the block itself centred
    y = (view_h - (step * RULES_LINES + bottom - top)) / 2 - top
    ink, shade, offset = (139, 37, 0), (58, 10, 0), round(1.5 * SS) * scale
    for line in lines:
        letters.draw(image, (x, y), line, ink, shade, offset)
        y += step
    wish = text["wish"]
    letters.draw(image, ((view_w - letters.length(wish)) / 2, y), wish, ink, shade, offset)
    return shrink(image)


def warning_picture(text, scale):
    image = canvas((534, 269), scale)
    draw_dice(image, (32, 8, 494, 256), scale)  # centred in the visible part

    ss = SS * scale
    view_w, view_h = 526 * ss, 264 * ss  # the window shows only this much
    letters = Lettering(WARNING_FONT, 54 * ss, ink_sample=text["ink_sample"])
    step = 60 * ss
    top, bottom = letters.ink_height()
    lines = text["warning"]
    y = (view_h - (step * (len(lines) - 1) + bottom - top)) / 2 - top
    for line in lines:
        x = (view_w - letters.length(line)) / 2
        letters.draw(image, (x, y), line, (224, 0, 0), (70, 0, 0), round(1.5 * SS) * scale)
        y += step
    return shrink(image)


def main():
    for scale, mark in SCALES.items():
        dice_picture(scale).save(HERE / f"dice{mark}.bmp")
        for language, text in LANGUAGES.items():
            # 4:4:4 chroma keeps the coloured lettering's edges crisp.
            rules_picture(text, scale).save(HERE / f"rules{language}{mark}.jpg", quality=92, subsampling=0)
            warning_picture(text, scale).save(HERE / f"warning{language}{mark}.jpg", quality=92, subsampling=0)


if __name__ == "__main__":
    main()
