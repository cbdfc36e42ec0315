#!/usr/bin/python3
"""Packs a game's PNG icons (games/<game>/icons/<game>-<size>.png) into the
one .ico its window description names, so that it still carries a hand-tuned
picture for every size. A game whose pictures hold <game>.ico has its window
icon packed so; the others keep the default icon or draw their own.

Every game's icons are also packed into games/<game>/icons/<game>.ico, the
icon of its Windows program, so that the build needs no Python.

Entries are stored as PNG, which the icon format allows and Qt reads. Run it
again after the icons change (render_icons.sh does).
"""
import struct
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
from gamelist import ROOT, games, icon_sizes  # noqa: E402


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
    folder = ROOT / "games" / game
    pngs = [(folder / "icons" / f"{game}-{size}.png").read_bytes() for size in icon_sizes()]
    window_icon = folder / "pictures" / f"{game}.ico"
    targets = [window_icon] if window_icon.exists() else []
    for target in targets + [folder / "icons" / f"{game}.ico"]:
        target.write_bytes(pack(pngs))
        print(target.relative_to(ROOT))
