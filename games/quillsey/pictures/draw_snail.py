#!/usr/bin/python3
"""Writes snail.gif: a 72 x 53 cartoon snail, head to the left, that blinks,
and snail@2x.gif, the same snail at 144 x 106 for screens with two pixels a
point.

Drawn at four times the size and scaled down. The window behind the picture
is pure yellow, so half-covered edge pixels are mixed with yellow and then
made solid; only pixels that are mostly empty become see-through. That keeps
a GIF's one-bit transparency from leaving a dark fringe.

Frames: open (the still picture), half shut, shut, half shut.
"""
import math
import struct
from pathlib import Path

import numpy as np
from PIL import Image, ImageDraw

HERE = Path(__file__).parent

S = 4
W, H = 72, 53
BW, BH = W * S, H * S
SCALES = {1: "", 2: "@2x"}  # picture pixels a point, and the file name's mark

BACKDROP = np.array([255, 255, 0], dtype=float)
INK = (58, 32, 8)            # outline and spiral
SHELL = (200, 144, 30)
SKIN = (240, 224, 176)
SKIN_SHADE = (214, 190, 136)
LID = (228, 206, 150)
WHITE = (255, 255, 255)
PUPIL = (16, 12, 8)

OUTLINE = 6                  # at the large size, so about 1.5 px in the end

SHELL_C = (178.0, 92.0)
SHELL_R = (80.0, 77.0)
EYES = [(27.0, 40.0), (70.0, 27.0)]
EYE_R = 16.0
STALK_BASES = [(38.0, 128.0), (60.0, 126.0)]

FRAMES = [("open", 1200), ("half", 100), ("shut", 120), ("half", 100)]


# ---------------------------------------------------------------- helpers

class Sheet:
    """The big drawing for a picture of `scale` pixels a point. Shapes are
    given in the units of the plain picture's drawing (S to its pixel); a
    larger picture's drawing has finer pixels, not larger shapes."""

    def __init__(self, scale):
        self.scale = scale
        self.size = (BW * scale, BH * scale)
        # Where each pixel's centre lands in shape units, so both pictures
        # shrink to the same places.
        yy, xx = np.mgrid[0:BH * scale, 0:BW * scale].astype(float)
        self.grid = (yy + 0.5) / scale - 0.5, (xx + 0.5) / scale - 0.5

    def mask(self):
        return Image.new("L", self.size, 0)

    def pen(self, img):
        return Pen(ImageDraw.Draw(img), self.scale)


class Pen:
    """Draws shapes given in shape units onto a sheet's pixels."""

    def __init__(self, draw, scale):
        self.draw = draw
        self.scale = scale

    def at(self, pts):
        k, o = self.scale, (self.scale - 1) / 2
        return [(x * k + o, y * k + o) for x, y in pts]

    def ellipse(self, box, fill):
        (x0, y0), (x1, y1) = self.at([box[:2], box[2:]])
        self.draw.ellipse([x0, y0, x1, y1], fill=fill)

    def polygon(self, pts, fill):
        self.draw.polygon(self.at(pts), fill=fill)

    def line(self, pts, fill, width):
        self.draw.line(self.at(pts), fill=fill, width=int(round(width * self.scale)))


def as_bool(img):
    return np.asarray(img) > 127


def grow(mask, r):
    """Mask grown by a disc of radius r."""
    out = mask.copy()
    h, w = mask.shape
    for dy in range(-r, r + 1):
        for dx in range(-r, r + 1):
            if dx * dx + dy * dy > r * r:
                continue
            shifted = np.zeros_like(mask)
            ys, yd = (slice(0, h - dy), slice(dy, h)) if dy >= 0 else (slice(-dy, h), slice(0, h + dy))
            xs, xd = (slice(0, w - dx), slice(dx, w)) if dx >= 0 else (slice(-dx, w), slice(0, w + dx))
            shifted[yd, xd] = mask[ys, xs]
            out |= shifted
    return out


def paint(canvas, mask, colour):
    """Paint a colour (or a per-pixel colour array) where mask is set."""
    rgb, alpha = canvas
    if isinstance(colour, np.ndarray):
        rgb[mask] = colour[mask]
    else:
        rgb[mask] = colour
    alpha[mask] = 1.0


def bezier(p0, p1, p2, n=40):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / n for i in range(n + 1))]


def thick_line(draw, pts, w0, w1=None):
    """Polyline with round joints whose width goes from w0 to w1."""
    w1 = w0 if w1 is None else w1
    n = len(pts) - 1
    for i, (a, b) in enumerate(zip(pts, pts[1:])):
        w = w0 + (w1 - w0) * i / max(n, 1)
        draw.line([a, b], fill=255, width=w)
        r = w / 2
        draw.ellipse([b[0] - r, b[1] - r, b[0] + r, b[1] + r], fill=255)
    r = w0 / 2
    draw.ellipse([pts[0][0] - r, pts[0][1] - r, pts[0][0] + r, pts[0][1] + r], fill=255)


# ---------------------------------------------------------------- parts

def body_mask(sheet):
    img = sheet.mask()
    d = sheet.pen(img)
    # Head: an upright blob at the left.
    d.ellipse([10, 112, 86, 202], fill=255)
    # Foot: long and low, narrowing to the tail on the right.
    top = bezier((50, 164), (170, 154), (279, 193), 60)
    bottom = bezier((279, 197), (160, 206), (40, 200), 60)
    d.polygon(top + bottom, fill=255)
    # Eye stalks, slightly bent, thinner towards the eyes.
    for base, tip, bend in zip(STALK_BASES, EYES, [(22, 84), (72, 74)]):
        thick_line(d, bezier(base, bend, tip, 24), 14, 9)
    return as_bool(img)


def body_colour(sheet):
    YY, _ = sheet.grid
    # Lighter along the back, a little darker towards the sole.
    t = np.clip((YY - 150) / 55, 0, 1)[..., None]
    return np.array(SKIN) * (1 - t) + np.array(SKIN_SHADE) * t


def shell_mask(sheet):
    img = sheet.mask()
    cx, cy = SHELL_C
    rx, ry = SHELL_R
    sheet.pen(img).ellipse([cx - rx, cy - ry, cx + rx, cy + ry], fill=255)
    return as_bool(img)


SPIRAL_C = (SHELL_C[0] + 5, SHELL_C[1] + 3)
SPIRAL_TURNS = 2.35
SPIRAL_END = math.radians(150)         # the line meets the rim low on the left
SPIRAL_R_END = 76.0


def spiral_point(theta):
    """theta runs from 0 at the middle outwards; r grows evenly with it."""
    tmax = SPIRAL_TURNS * 2 * math.pi
    r = SPIRAL_R_END * theta / tmax
    a = SPIRAL_END - (tmax - theta)
    return SPIRAL_C[0] + r * math.cos(a), SPIRAL_C[1] + r * math.sin(a) * 0.97


def shell_colour(sheet):
    YY, XX = sheet.grid
    cx, cy = SHELL_C
    rx, ry = SHELL_R
    nx = (XX - cx) / rx
    ny = (YY - cy) / ry
    nz = np.sqrt(np.clip(1 - nx * nx - ny * ny, 0, 1))
    lx, ly, lz = -0.45, -0.6, 0.66
    lam = np.clip(nx * lx + ny * ly + nz * lz, 0, 1)
    shade = 0.62 + 0.5 * lam

    # Each whorl bulges: darker where it tucks under the next turn.
    sx, sy = SPIRAL_C
    r = np.hypot(XX - sx, YY - sy)
    a = np.arctan2(YY - sy, XX - sx)
    tmax = SPIRAL_TURNS * 2 * math.pi
    k = SPIRAL_R_END / tmax
    # theta of the innermost turn passing this angle, then band position.
    base = (a - SPIRAL_END + tmax) % (2 * math.pi)
    band = ((r / k - base) / (2 * math.pi)) % 1.0
    shade *= 0.8 + 0.28 * np.sin(band * math.pi) ** 0.7

    col = np.array(SHELL, dtype=float) * shade[..., None]
    # A soft shine up on the left.
    glow = np.exp(-(((XX - (cx - 38)) / 20) ** 2 + ((YY - (cy - 40)) / 13) ** 2))
    col = col + (255 - col) * (0.55 * glow)[..., None]
    return np.clip(col, 0, 255)


def spiral_mask(sheet):
    img = sheet.mask()
    d = sheet.pen(img)
    tmax = SPIRAL_TURNS * 2 * math.pi
    pts = [spiral_point(tmax * i / 400) for i in range(40, 401)]
    thick_line(d, pts, 4, 8)
    return as_bool(img)


def disc(sheet, c, r):
    YY, XX = sheet.grid
    return (XX - c[0]) ** 2 + (YY - c[1]) ** 2 <= r * r


def draw_eye(sheet, canvas, c, state):
    YY, XX = sheet.grid
    ring = disc(sheet, c, EYE_R + OUTLINE)
    ball = disc(sheet, c, EYE_R)
    paint(canvas, ring, INK)
    if state == "shut":
        paint(canvas, ball, LID)
        lash = np.abs(YY - (c[1] + 2 + 0.012 * (XX - c[0]) ** 2)) <= 2.6
        paint(canvas, ball & lash & disc(sheet, c, EYE_R - 3), INK)
        return
    paint(canvas, ball, WHITE)
    # Looking ahead, which is to the left, and a little up.
    pc = (c[0] - 5, c[1] - 1)
    paint(canvas, ball & disc(sheet, pc, 8.5), PUPIL)
    paint(canvas, disc(sheet, (pc[0] - 2.5, pc[1] - 3), 2.8), WHITE)
    if state == "half":
        edge = c[1] - 1 + 0.01 * (XX - c[0]) ** 2
        lid = ball & (YY <= edge)
        paint(canvas, lid, LID)
        paint(canvas, ball & (np.abs(YY - edge) <= 2.4), INK)


def mouth_mask(sheet):
    img = sheet.mask()
    d = sheet.pen(img)
    thick_line(d, bezier((17, 163), (27, 175), (41, 166), 16), 5, 4)
    return as_bool(img)


def render(state, scale):
    sheet = Sheet(scale)
    rgb = np.zeros((BH * scale, BW * scale, 3))
    alpha = np.zeros((BH * scale, BW * scale))
    canvas = (rgb, alpha)

    body = body_mask(sheet)
    paint(canvas, grow(body, OUTLINE * scale), INK)
    paint(canvas, body, body_colour(sheet))
    # A faint line where the sole meets the side.
    sole = bezier((60, 193), (160, 199), (258, 191), 40)
    img = sheet.mask()
    thick_line(sheet.pen(img), sole, 3)
    paint(canvas, as_bool(img) & body, (196, 170, 118))

    shell = shell_mask(sheet)
    paint(canvas, grow(shell, OUTLINE * scale), INK)
    paint(canvas, shell, shell_colour(sheet))
    paint(canvas, spiral_mask(sheet) & shell, INK)

    paint(canvas, mouth_mask(sheet) & body, INK)
    paint(canvas, disc(sheet, (42, 150), 7) & body, (244, 168, 136))  # cheek

    for c in EYES:
        draw_eye(sheet, canvas, c, state)

    big = np.dstack([rgb, alpha * 255]).clip(0, 255).astype(np.uint8)
    small = Image.fromarray(big, "RGBA").resize((W * scale, H * scale), Image.LANCZOS)
    return small


def settle_on_yellow(img):
    """Mix part-covered pixels with the yellow behind them, make them solid,
    and drop the ones that are mostly empty."""
    a = np.asarray(img).astype(float)
    alpha = np.clip(a[..., 3:4] / 255, 0, 1)
    col = a[..., :3] * alpha + BACKDROP * (1 - alpha)
    solid = alpha[..., 0] >= 0.4
    return np.clip(col, 0, 255).round().astype(np.uint8), solid


# ---------------------------------------------------------------- GIF

def lzw(indices, min_size=8):
    clear, eoi = 1 << min_size, (1 << min_size) + 1
    size = min_size + 1
    nxt = eoi + 1
    table = {}
    out = bytearray()
    acc = nbits = 0

    def emit(code):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    emit(clear)
    prefix = indices[0]
    for k in indices[1:]:
        key = (prefix, k)
        if key in table:
            prefix = table[key]
            continue
        emit(prefix)
        if nxt == 4096:
            emit(clear)
            size = min_size + 1
            nxt = eoi + 1
            table = {}
        else:
            if nxt >= (1 << size):
                size += 1
            table[key] = nxt
            nxt += 1
        prefix = k
    emit(prefix)
    emit(eoi)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def write_gif(path, size, frames, palette, clear_index):
    """Every frame covers the whole picture, shares one colour table and one
    see-through index, and is cleared before the next, so it loops cleanly."""
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", *size, 0xF7, clear_index, 0)
    table = bytearray()
    for r, g, b in palette:
        table += bytes((r, g, b))
    out += table.ljust(256 * 3, b"\0")
    out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01" + struct.pack("<H", 0) + b"\x00"
    for indices, ms in frames:
        out += b"\x21\xF9\x04" + struct.pack("<BHB", (2 << 2) | 1, ms // 10, clear_index) + b"\x00"
        out += b"\x2C" + struct.pack("<HHHHB", 0, 0, *size, 0)
        out.append(8)
        out += sub_blocks(lzw(indices))
    out += b"\x3B"
    path.write_bytes(out)


def write_snail(scale, path):
    """Writes the GIF at `scale` pixels a point; gives its first frame's
    indices and palette."""
    rendered = {state: render(state, scale) for state in {s for s, _ in FRAMES}}
    settled = {s: settle_on_yellow(img) for s, img in rendered.items()}

    # One palette for all frames; index 255 is kept for see-through.
    stack = np.vstack([settled[s][0] for s, _ in FRAMES])
    solid = np.vstack([settled[s][1] for s, _ in FRAMES])
    sample = Image.fromarray(stack[solid][None, ...], "RGB")
    # Max-coverage keeps the worst colour error smallest here (a few steps),
    # where median cut smudged the shell shading.
    pal_img = sample.quantize(colors=255, method=Image.Quantize.MAXCOVERAGE,
                              dither=Image.Dither.NONE)
    pal = pal_img.getpalette()[:255 * 3]
    palette = [tuple(pal[i:i + 3]) for i in range(0, len(pal), 3)]
    clear_index = 255
    palette += [(255, 255, 0)] * (256 - len(palette))

    # Nearest colour by hand, so nothing can land on the see-through index.
    pal_arr = np.array(palette[:255], dtype=float)
    frames = []
    for state, ms in FRAMES:
        col, sol = settled[state]
        dist = ((col[..., None, :].astype(float) - pal_arr) ** 2).sum(-1)
        idx = dist.argmin(-1).astype(np.uint8)
        idx[~sol] = clear_index
        frames.append((bytes(idx.ravel()), ms))
    write_gif(path, (W * scale, H * scale), frames, palette, clear_index)
    return frames[0][0], palette, clear_index


def main():
    firsts = {scale: write_snail(scale, HERE / f"snail{mark}.gif") for scale, mark in SCALES.items()}

    # The still picture exactly as the plain GIF's first frame shows it.
    first, palette, clear_index = firsts[1]
    idx = np.frombuffer(first, dtype=np.uint8).reshape(H, W)
    check = np.zeros((H, W, 4), dtype=np.uint8)
    check[..., :3] = np.array(palette, dtype=np.uint8)[idx]
    check[..., 3] = np.where(idx == clear_index, 0, 255)
    Image.fromarray(check, "RGBA").save(HERE / "snail-frame1.png")


if __name__ == "__main__":
    main()
