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
            merged.save(dst / f"ComicRelief-{style}.ttf")


if __name__ == "__main__":
    main(Path(sys.argv[1]), Path(sys.argv[2]))
