#!/usr/bin/python3
"""Writes Tessaly's desktop icon tessaly.svg beside this script: the game's
own smiling face (pictures/smile.svg), scaled up. Its 16 and 32 px icons are
hand-made pixel pictures, kept as they are by render_icons.sh."""
import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
# The shapes every game's icon is drawn from.
sys.path.insert(0, str(HERE.parents[2] / "tools" / "icons"))
from svgshapes import svg, write_icons  # noqa: E402


def tessaly():
    """The game's own 32-unit face, only scaled to the common 128 box."""
    src = (HERE.parent / "pictures" / "smile.svg").read_text()
    inner = re.search(r"<svg[^>]*>(.*)</svg>", src, re.S).group(1).strip("\n")
    return svg(f'<g transform="scale(4)">\n{inner}\n</g>\n')


if __name__ == "__main__":
    write_icons(HERE, "tessaly", tessaly())
