#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the game's pictures as SVG: the six die faces, the play triangle and
the confirmation cursor (all of our own design)."""
import sys
from pathlib import Path

PIPS = {
    1: [4], 2: [0, 8], 3: [0, 4, 8], 4: [0, 2, 6, 8],
    5: [0, 2, 4, 6, 8], 6: [0, 2, 3, 5, 6, 8],
}


def die(value):
    # A rounded white square with a thin dark border; black pips on a 3 x 3
    # grid a quarter of the face from each edge.
    pips = "".join(
        f'<circle cx="{16 + 16 * (c % 3)}" cy="{16 + 16 * (c // 3)}" r="6.1" fill="#000"/>' for c in PIPS[value])
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">'
            '<rect x="1" y="1" width="62" height="62" rx="10.2" fill="#fff" stroke="#303030" stroke-width="2"/>'
            f'{pips}</svg>\n')


PLAY = ('<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">'
        '<polygon points="17.9,11.5 17.9,52.5 51.2,32" fill="#000"/></svg>\n')

# An arrow with a white outline (its tip the hot spot) and a green disc with a
# white check mark at its lower right.
CONFIRM = ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">'
           '<polygon points="1,1 1,19 5.5,14.5 9,22 12,21 8.5,13.5 14,13.5" fill="#000" stroke="#fff" '
           'stroke-width="1.5" stroke-linejoin="round"/>'
           '<circle cx="23" cy="23" r="8" fill="#188c2c" stroke="#fff" stroke-width="1.5"/>'
           '<polyline points="19,23.5 22,26.5 27.5,19.5" fill="none" stroke="#fff" stroke-width="2.2" '
           'stroke-linecap="round" stroke-linejoin="round"/></svg>\n')


def main(folder):
    folder = Path(folder)
    (folder / "dice").mkdir(parents=True, exist_ok=True)
    for v in range(1, 7):
        (folder / "dice" / f"die{v}.svg").write_text(die(v))
    (folder / "play.svg").write_text(PLAY)
    (folder / "confirm.svg").write_text(CONFIRM)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res")
