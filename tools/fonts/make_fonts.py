#!/usr/bin/env python3
"""Builds the editor's three stand-in fonts from GNU Unifont (Debian package
unifont: /usr/share/unifont/unifont.hex and unifont_jp.hex).

Writes, into the output folder (default: scrivel/render/data of the repo):
  gamefont.bin     2532 half tiles of 8 x 16 pixels, 1 bit per pixel,
                   16 bytes each, bit 7 leftmost (40,512 bytes)
  labelfont.bin    96 glyphs of 8 x 8 pixels, one byte (0 or 1) per pixel
                   (6,144 bytes)
  previewfont.bin  128 glyphs of 16 x 16 pixels, one byte per pixel, stored
                   as four 8 x 8 quarters: top-left, bottom-left, top-right,
                   bottom-right (32,768 bytes)
  gamefont-map.txt which character each game-font half tile holds

Standard library only. Usage: make_fonts.py [--unifont DIR] [--out DIR]
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from label_glyphs import LABEL_GLYPHS  # noqa: E402

GAME_HALF_TILES = 2532
FIRST_KANJI_HALF_TILE = 0xE0

# The one-byte glyphs of the game font, in half-tile order from 0x00.
DIGITS_AND_HEX = "0123456789ABCDEF"                    # 0x00-0x0F
PUNCTUATION = " !?.,-'\":;()/&+~"                      # 0x10-0x1F
HALFWIDTH_KANA = [chr(c) for c in range(0xFF61, 0xFFA0)]  # 0x20-0x5E
LETTERS = "GHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"  # 0x5F-0x8C
OTHER_ASCII = "#$%*<=>@[\\]^_`{|}"                     # 0x8D-0x9D
# 0x9E-0xDF: Latin-1 letters from U+00C0 on.

PREVIEW_SYMBOLS = [0x2764, 0x2666, 0x2663, 0x2660, 0x2605, 0x266A, 0x2190, 0x2191,
                   0x2192, 0x2193, 0x2694, 0x2693, 0x2709, 0x2603, 0x273F, 0x26FA]
PREVIEW_BLANK = {0x26, 0x3C, 0x3E, 0x40}


def read_hex(path):
    glyphs = {}
    with open(path, encoding="ascii") as f:
        for line in f:
            line = line.strip()
            if not line or ":" not in line:
                continue
            code, bits = line.split(":", 1)
            glyphs[int(code, 16)] = bits
    return glyphs


def rows_of(bits):
    """16 rows as integers; width 8 (32 digits) or 16 (64 digits)."""
    if len(bits) == 32:
        return 8, [int(bits[i:i + 2], 16) for i in range(0, 32, 2)]
    if len(bits) == 64:
        return 16, [int(bits[i:i + 4], 16) for i in range(0, 64, 4)]
    raise ValueError("unexpected glyph size")


def narrow(glyphs, ch):
    width, rows = rows_of(glyphs[ord(ch)])
    if width != 8:
        raise ValueError("U+%04X is not 8 pixels wide" % ord(ch))
    return rows


def left_aligned(rows):
    """Moves a glyph left until its leftmost set column is column 0, as a
    proportional font wants it (the advance is the rightmost column + 2)."""
    used = 0
    for r in rows:
        used |= r
    if used == 0:
        return rows
    lead = 0
    while not used & (0x80 >> lead):
        lead += 1
    return [(r << lead) & 0xFF for r in rows]


def one_byte_characters():
    chars = list(DIGITS_AND_HEX) + list(PUNCTUATION) + HALFWIDTH_KANA + list(LETTERS) + list(OTHER_ASCII)
    code = 0xC0
    while len(chars) < FIRST_KANJI_HALF_TILE:
        chars.append(chr(code))
        code += 1
    assert len(chars) == FIRST_KANJI_HALF_TILE
    return chars


def first_level_kanji(count):
    """The first count kanji of the JIS first level, in their JIS order."""
    out = []
    for row in range(16, 48):
        for cell in range(1, 95):
            try:
                ch = bytes([0xA0 + row, 0xA0 + cell]).decode("euc_jp")
            except UnicodeDecodeError:
                continue
            out.append(ch)
            if len(out) == count:
                return out
    raise ValueError("not enough kanji")


def build_game_font(glyphs, jp_glyphs):
    data = bytearray()
    names = []
    for ch in one_byte_characters():
        rows = narrow(glyphs, ch)
        # Latin letters, digits and signs are drawn from column 0; the kana
        # keep their place in the cell.
        if ord(ch) < 0xFF61:
            rows = left_aligned(rows)
        data += bytes(rows)
        names.append(ch)
    pairs = (GAME_HALF_TILES - FIRST_KANJI_HALF_TILE) // 2
    for ch in first_level_kanji(pairs):
        bits = jp_glyphs.get(ord(ch)) or glyphs[ord(ch)]
        width, rows = rows_of(bits)
        if width != 16:
            raise ValueError("U+%04X is not 16 pixels wide" % ord(ch))
        data += bytes(r >> 8 for r in rows)
        data += bytes(r & 0xFF for r in rows)
        names += [ch + " (left)", ch + " (right)"]
    assert len(data) == GAME_HALF_TILES * 16
    return bytes(data), names


def build_label_font():
    data = bytearray(96 * 64)
    for ch, rows in LABEL_GLYPHS.items():
        code = ord(ch)
        assert 0x21 <= code <= 0x5D and code != 0x26 and not 0x3C <= code <= 0x40
        for r, row in enumerate(rows):
            for c, px in enumerate(row):
                data[code * 64 + r * 8 + c] = 1 if px == "#" else 0
    for i in range(64):
        data[0x5F * 64 + i] = 1
    return bytes(data)


def put_preview(data, code, picture):
    """picture: 16 rows of 16 ints (0 or 1)."""
    base = code * 256
    for r in range(16):
        for c in range(16):
            quarter = (c // 8) * 2 + (r // 8)
            data[base + quarter * 64 + (r % 8) * 8 + (c % 8)] = picture[r][c]


def picture_from_rows(width, rows, shift=0):
    pic = []
    for r in range(16):
        line = [0] * 16
        for c in range(width):
            if rows[r] & (1 << (width - 1 - c)):
                line[c + shift] = 1
        pic.append(line)
    return pic


def left_aligned_ascii(glyphs, code):
    pic = picture_from_rows(8, left_aligned(narrow(glyphs, chr(code))))
    assert all(line[7] == 0 for line in pic), "glyph wider than 7 pixels"
    return pic


def build_preview_font(glyphs):
    data = bytearray(128 * 256)
    for i, code in enumerate(PREVIEW_SYMBOLS):
        width, rows = rows_of(glyphs[code])
        put_preview(data, 0x01 + i, picture_from_rows(width, rows))
    for code in range(0x21, 0x7E):
        if code in PREVIEW_BLANK:
            continue
        pic = left_aligned_ascii(glyphs, code)
        if code == 0x25:
            pic = [[0] * 8 + line[:8] for line in pic]
        put_preview(data, code, pic)
    put_preview(data, 0x7F, [[1] * 16 for _ in range(16)])
    return bytes(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--unifont", default="/usr/share/unifont")
    parser.add_argument("--out", default=os.path.join(here, "..", "..", "scrivel", "render", "data"))
    args = parser.parse_args()

    glyphs = read_hex(os.path.join(args.unifont, "unifont.hex"))
    jp_path = os.path.join(args.unifont, "unifont_jp.hex")
    jp_glyphs = read_hex(jp_path) if os.path.exists(jp_path) else {}

    game, names = build_game_font(glyphs, jp_glyphs)
    label = build_label_font()
    preview = build_preview_font(glyphs)
    assert (len(game), len(label), len(preview)) == (40512, 6144, 32768)

    os.makedirs(args.out, exist_ok=True)
    for name, blob in (("gamefont.bin", game), ("labelfont.bin", label), ("previewfont.bin", preview)):
        with open(os.path.join(args.out, name), "wb") as f:
            f.write(blob)
    with open(os.path.join(args.out, "gamefont-map.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("# Game font half tiles: index (hex), Unicode character shown.\n")
        f.write("# One-byte glyphs 00-EF; a two-byte glyph i uses half tiles 2i and 2i+1.\n")
        for i, name in enumerate(names):
            f.write("%03X U+%04X %s\n" % (i, ord(name[0]), name))
    return 0


if __name__ == "__main__":
    sys.exit(main())
