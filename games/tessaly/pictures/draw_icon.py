#!/usr/bin/python3
"""Writes the smiling-face window icon: smile-32.png, smile-16.png, smile.ico
(both sizes, 4-bit, the classic sixteen colours) and smile.svg.

Each size is drawn pixel by pixel; scaling the big one down smears the eyes
and mouth into mud at 16 x 16.
"""
import struct
from pathlib import Path

from PIL import Image

HERE = Path(__file__).parent

# The classic sixteen colours in their usual order; the icon file stores
# indices into this table.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
# '.' is see-through.
INK = {"K": 0, "M": 1, "O": 3, "R": 9, "Y": 11, "W": 15}

FACE_32 = [
    "................................",
    "...........KKKKKKKKKK...........",
    ".........KKYYYYYYYYYYKK.........",
    ".......KKYYYYYYYYYYYYYYKK.......",
    "......KYYYYYYYYYYYYYYYYYYK......",
    ".....KYYYWWYYYYYYYYYYYYYYYK.....",
    "....KYYYWYYYYYYYYYYYYYYYYYYK....",
    "...KYYYWYYYYYYYYYYYYYYYYYYYYK...",
    "...KYYYYYYYYYYYYYYYYYYYYYYYYK...",
    "..KYYYYYYYYKKYYYYYYKKYYYYYYYYK..",
    "..KYYYYYYYKWKKYYYYKWKKYYYYYYYK..",
    ".KYYYYYYYYKKKKYYYYKKKKYYYYYYYYK.",
    ".KYYYYYYYYKKKKYYYYKKKKYYYYYYYYK.",
    ".KYYYYYYYYKKKKYYYYKKKKYYYYYYYYK.",
    ".KYYYYYYYYYKKYYYYYYKKYYYYYYYYYK.",
    ".KYYYYYYYYYYYYYYYYYYYYYYYYYYYYK.",
    ".KYYYYYYYYYYYYYYYYYYYYYYYYYYYYK.",
    ".KYYYYYYYYYYYYYYYYYYYYYYYYYYYOK.",
    ".KYYYYKKKKKKKKKKKKKKKKKKKKYYYOK.",
    ".KYYYYYKMMMMMMMMMMMMMMMMKYYYYOK.",
    ".KYYYYYKMMMMMMMMMMMMMMMMKYYYOOK.",
    "..KYYYYKMMMMMMRRRRMMMMMMKYYYOK..",
    "..KYYYYYKMMMRRRRRRRRMMMKYYYOOK..",
    "...KYYYYYKMRRRRRRRRRRMKYYYOOK...",
    "...KYYYYYYKKRRRRRRRRKKYYYOOOK...",
    "....KYYYYYYYKKKKKKKKYYYYOOOK....",
    ".....KYYYYYYYYYYYYYYYYOOOOK.....",
    "......KYYYYYYYYYYYYYOOOOOK......",
    ".......KKYYYYYYYYOOOOOOKK.......",
    ".........KKYYYOOOOOOOKK.........",
    "...........KKKKKKKKKK...........",
    "................................",
]

FACE_16 = [
    ".....KKKKKK.....",
    "...KKYYYYYYKK...",
    "..KYYYYYYYYYYK..",
    ".KYWYYYYYYYYYYK.",
    ".KYYYKKYYKKYYYK.",
    "KYYYYKKYYKKYYYYK",
    "KYYYYKKYYKKYYYYK",
    "KYYYYYYYYYYYYYYK",
    "KYYYYYYYYYYYYYOK",
    "KYKKKKKKKKKKKKOK",
    "KYYKMMMMMMMMKYOK",
    ".KYYKMRRRRMKYOK.",
    ".KYYYKKKKKKYOOK.",
    "..KYYYYYYYYOOK..",
    "...KKYYOOOOKK...",
    ".....KKKKKK.....",
]


def to_image(rows):
    img = Image.new("RGBA", (len(rows[0]), len(rows)), (0, 0, 0, 0))
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != ".":
                img.putpixel((x, y), PALETTE[INK[ch]] + (255,))
    return img


def bmp_entry(rows):
    """One icon image: 4-bit colour bitmap plus 1-bit see-through mask,
    both stored bottom row first with rows padded to four bytes."""
    w, h = len(rows[0]), len(rows)
    xor_stride = ((w * 4 + 31) // 32) * 4
    and_stride = ((w + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, ch in enumerate(row):
            idx = 0 if ch == "." else INK[ch]
            line[x // 2] |= idx << (4 if x % 2 == 0 else 0)
            if ch == ".":
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + pal + bytes(xor) + bytes(mask)


def write_ico(path, faces):
    blobs = [bmp_entry(rows) for rows in faces]
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for rows, blob in zip(faces, blobs):
        w, h = len(rows[0]), len(rows)
        out += struct.pack("<BBBBHHII", w, h, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    path.write_bytes(out)


SVG = """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.1"
     width="32" height="32" viewBox="0 0 32 32">
<circle cx="16" cy="16" r="14.6" fill="#FFFF00" stroke="#000000" stroke-width="1.2"/>
<path d="M27.2,19.5 A12.4,12.4 0 0 1 10.5,28.6 A13.4,13.4 0 0 0 27.2,19.5 Z"
      fill="#808000" fill-opacity="0.55"/>
<path d="M6.8,11.4 A10.4,10.4 0 0 1 11.2,6.2" fill="none" stroke="#FFFFFF"
      stroke-width="1.2" stroke-linecap="round"/>
<ellipse cx="12" cy="12.2" rx="2" ry="3.1" fill="#000000"/>
<ellipse cx="20" cy="12.2" rx="2" ry="3.1" fill="#000000"/>
<circle cx="11.4" cy="10.9" r="0.65" fill="#FFFFFF"/>
<circle cx="19.4" cy="10.9" r="0.65" fill="#FFFFFF"/>
<path d="M6.5,18.6 H25.5 A9.5,7 0 0 1 6.5,18.6 Z" fill="#800000"/>
<path d="M9.9,23.9 Q12.4,20.8 16,21.8 Q19.6,20.8 22.1,23.9
         A9.5,7 0 0 1 9.9,23.9 Z" fill="#FF0000"/>
<path d="M6.5,18.6 H25.5 A9.5,7 0 0 1 6.5,18.6 Z" fill="none"
      stroke="#000000" stroke-width="1.1" stroke-linejoin="round"/>
</svg>
"""


def main():
    for rows in (FACE_32, FACE_16):
        assert all(len(r) == len(rows) for r in rows), "rows must be square"
    to_image(FACE_32).save(HERE / "smile-32.png")
    to_image(FACE_16).save(HERE / "smile-16.png")
    write_ico(HERE / "smile.ico", [FACE_32, FACE_16])
    (HERE / "smile.svg").write_text(SVG, encoding="utf-8")


if __name__ == "__main__":
    main()
