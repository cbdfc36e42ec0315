#!/usr/bin/python3
"""Packs each game's PNG icons (icons/<size>/<game>.png) into one .ico in the
game's pictures, so its window description can name a single file that still
carries a hand-tuned picture for every size. Only games whose CMakeLists.txt
ships pictures/<game>.ico get one: Marrowby keeps the default window icon and
Tessaly has its own smile.

Entries are stored as PNG, which the icon format allows and Qt reads. Run it
again after the icons change.
"""
import struct
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SIZES = (16, 32, 48, 64, 128)


def games():
    for line in (ROOT / "games" / "list.txt").read_text().splitlines():
        game = line.strip()
        if game and not game.startswith("#"):
            yield game


def pack(pngs):
    header = struct.pack("<HHH", 0, 1, len(pngs))
    offset = len(header) + 16 * len(pngs)
    entries = b""
    for data in pngs:
        width, height = struct.unpack(">II", data[16:24])
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return header + entries + b"".join(pngs)


for game in games():
    if f"pictures/{game}.ico" not in (ROOT / "games" / game / "CMakeLists.txt").read_text():
        continue
    pngs = [(ROOT / "icons" / str(size) / f"{game}.png").read_bytes() for size in SIZES]
    target = ROOT / "games" / game / "pictures" / f"{game}.ico"
    target.parent.mkdir(exist_ok=True)
    target.write_bytes(pack(pngs))
    print(target.relative_to(ROOT))
