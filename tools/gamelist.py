"""What the Python tools share about the games: the list in games/list.txt
and the icon sizes the top CMakeLists.txt sets."""
import re
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def games():
    """The games of games/list.txt, in its order."""
    for line in (ROOT / "games" / "list.txt").read_text().splitlines():
        game = line.strip()
        if game and not game.startswith("#"):
            yield game


def icon_sizes():
    """The sizes in pixels of every game's PNG icons (GAMES_ICON_SIZES)."""
    text = (ROOT / "CMakeLists.txt").read_text()
    return [int(size) for size in re.search(r"^set\(GAMES_ICON_SIZES ([0-9 ]+)\)$", text, re.M).group(1).split()]
