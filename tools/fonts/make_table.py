#!/usr/bin/env python3
"""Writes the demo's table file (scrivel/demo/demo.tbl) from the game font's
map (scrivel/render/data/gamefont-map.txt, written by make_fonts.py), so the
table always names the characters the font really draws.

  one-byte glyphs     XX=char     the byte draws half tile XX
  two-byte glyphs     FnXX=char   glyph index nXX draws half tiles 2i, 2i+1
  control codes       the codes the demo's strings use

Half tiles that hold one half of a kanji (marked "(left)" or "(right)" in the
map) get no one-byte entry: alone they draw half a character. Bytes without
an entry still read back as [$XX], so nothing is lost.

Standard library only. Usage: make_table.py [--map FILE] [--out FILE]
"""

import argparse
import os
import sys

FIRST_TWO_BYTE_CODE = 0xF0
LAST_TWO_BYTE_INDEX = 0x6FF  # F0-F6 followed by one byte
ONE_BYTE_LIMIT = 0xF0

# Codes of the game's byte code beyond the glyphs. The names of F7 and F8 are
# the ones the translation script's compiler knows, so a decoded string
# compiles back to the same bytes; F9-FB have no name and keep their code.
CONTROL_LINES = [
    "F7=[COLOR]",
    "F8=[PAUSE]",
    "F9=[$F9]",
    "FA=[$FA]",
    "FB=[$FB]",
    "# FC and its two operands are read by the game's own code: [$FCxxyy].",
    "*FD=",
    "*FE=[KEY]",
    "/FF=",
]


def read_map(path):
    """[(index, character, half)] with half None, "left" or "right"."""
    tiles = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            index, code = line.split(" ", 2)[:2]
            if not code.startswith("U+"):
                raise ValueError("unexpected map line: %r" % line)
            half = None
            if line.endswith(" (left)"):
                half = "left"
            elif line.endswith(" (right)"):
                half = "right"
            tiles.append((int(index, 16), chr(int(code[2:], 16)), half))
    return tiles


def fits_a_line(ch):
    """A table line ends at a line feed (a carriage return before it is
    dropped), so those two cannot be the text of an entry."""
    return ch not in "\n\r"


def table_lines(tiles):
    by_index = {index: (ch, half) for index, ch, half in tiles}
    lines = ["# The demo game's table: written by tools/fonts/make_table.py from the",
             "# game font's map; do not edit by hand.",
             "",
             "# One-byte glyphs."]
    for index, ch, half in tiles:
        if index < ONE_BYTE_LIMIT and half is None and fits_a_line(ch):
            lines.append("%02X=%s" % (index, ch))

    lines += ["", "# Two-byte glyphs: Fn XX draws half tiles 2i and 2i+1 of index i = nXX."]
    for i in range(LAST_TWO_BYTE_INDEX + 1):
        left = by_index.get(2 * i)
        right = by_index.get(2 * i + 1)
        if not left or not right or left[1] != "left" or right[1] != "right" or left[0] != right[0]:
            continue
        if fits_a_line(left[0]):
            lines.append("%02X%02X=%s" % (FIRST_TWO_BYTE_CODE | (i >> 8), i & 0xFF, left[0]))

    lines += ["", "# Control codes, line break, key prompt and end of string."] + CONTROL_LINES
    return lines


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.join(here, "..", "..")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--map", default=os.path.join(root, "scrivel", "render", "data", "gamefont-map.txt"))
    parser.add_argument("--out", default=os.path.join(root, "scrivel", "demo", "demo.tbl"))
    args = parser.parse_args()

    lines = table_lines(read_map(args.map))
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
