#!/usr/bin/env python3
"""Merge the Latin and Cyrillic subsets of Comic Relief into one TTF per weight.

The font is published as per-script WOFF subsets (npm package
@fontsource/comic-relief); the games need both scripts in one file.

    npm pack @fontsource/comic-relief && tar xzf fontsource-comic-relief-*.tgz
    python3 tools/fonts/merge_comic_relief.py package/files shell/fonts
"""
import sys
import tempfile
from pathlib import Path

from fontTools.merge import Merger
from fontTools.ttLib import TTFont


def widen_overhanging_cyrillic(font: TTFont) -> None:
    """Some Cyrillic letters of the bold face (ю, о) are wider than their
    advance, so the next letter is drawn over them; give them room."""
    glyf, hmtx = font["glyf"], font["hmtx"]
    for codepoint, name in font.getBestCmap().items():
        if not 0x400 <= codepoint <= 0x4FF:
            continue
        glyph = glyf[name]
        if glyph.numberOfContours == 0:
            continue
        glyph.recalcBounds(glyf)
        advance, left = hmtx[name]
        if glyph.xMax - advance > 0.08 * advance:
            hmtx[name] = (glyph.xMax + left, left)


def main(src: Path, dst: Path) -> None:
    with tempfile.TemporaryDirectory() as tmp:
        for weight, style in ((400, "Regular"), (700, "Bold")):
            parts = []
            for script in ("latin", "cyrillic"):
                font = TTFont(src / f"comic-relief-{script}-{weight}-normal.woff")
                font.flavor = None
                part = Path(tmp) / f"{script}-{weight}.ttf"
                font.save(part)
                parts.append(str(part))
            merged = Merger().merge(parts)
            merged.flavor = None
            widen_overhanging_cyrillic(merged)
            merged.save(dst / f"ComicRelief-{style}.ttf")


if __name__ == "__main__":
    main(Path(sys.argv[1]), Path(sys.argv[2]))
