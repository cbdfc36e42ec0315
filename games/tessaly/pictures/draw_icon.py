#!/usr/bin/python3
"""Writes the smiling-face window icon: smile-32.png, smile-16.png, smile.ico
(both sizes, 4-bit, in the classic sixteen colours) and smile.svg.

Each size is drawn pixel by pixel; scaling the big one down smears the eyes
and mouth into mud at 16 x 16.

The icon file holds the two PNGs as they are, which the format allows: the
game reads them with the PNG decoder alone, where a bitmap entry would need
Qt's icon plugin loaded at start.
"""
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).parent

# The classic sixteen colours in their usual order.
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


def png(rows):
    """A 4-bit palette PNG: see-through first, then the inks the face uses."""
    inks = sorted({INK[ch] for row in rows for ch in row if ch != "."})
    index = {ch: 1 + inks.index(ink) for ch, ink in INK.items() if ink in inks}
    index["."] = 0
    raw = bytearray()
    for row in rows:
        nibbles = [index[ch] for ch in row] + [0] * (len(row) % 2)
        raw += b"\0" + bytes(hi << 4 | lo for hi, lo in zip(nibbles[::2], nibbles[1::2]))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), len(rows), 4, 3, 0, 0, 0))
            + chunk(b"PLTE", bytes(3) + b"".join(bytes(PALETTE[ink]) for ink in inks))
            + chunk(b"tRNS", b"\0")
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def write_ico(path, pngs):
    out = bytearray(struct.pack("<HHH", 0, 1, len(pngs)))
    offset = 6 + 16 * len(pngs)
    for data in pngs:
        w, h = struct.unpack(">II", data[16:24])
        out += struct.pack("<BBBBHHII", w, h, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    for data in pngs:
        out += data
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
    pngs = [png(FACE_32), png(FACE_16)]
    (HERE / "smile-32.png").write_bytes(pngs[0])
    (HERE / "smile-16.png").write_bytes(pngs[1])
    write_ico(HERE / "smile.ico", pngs)
    (HERE / "smile.svg").write_text(SVG, encoding="utf-8")


if __name__ == "__main__":
    main()
