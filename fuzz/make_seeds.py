#!/usr/bin/env python3
"""Writes the small seed corpora of the fuzz targets into corpus/<target>/,
from the same fixtures the unit tests use. Run again after changing it;
the files are kept in the repository."""

import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def put(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("latin-1")
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# Text block data files.
put("fuzz_data_file", "editor", "; test blocks\r\n.FORMAT 18 16 16 1 16 0 1 2 3\r\n"
    ".BLOCK 1A8000 1A0000 4\r\n.BLOCK 1B8000 1B0000 2\r\n")
put("fuzz_data_file", "odd-lines", ".FORMAT 18 264 300 x 5\n.FORMATS\n.FORMAT 8193 -1\n"
    ".BLOCKS 0x1B8000 1b0000 10041\n.BLOCK 1C8000 1C0000\n.BLOCK\t1D8000\t1D0000\t3")
put("fuzz_data_file", "long-line", ".BLOCK 1A8000 1A0000 2" + " " * 233 + ".BLOCK 1B8000 1B0000 3" + "x" * 23 + "\n")
put("fuzz_data_file", "many-blocks", "".join(".BLOCK %X 1D0000 1\n" % (0x1A8000 + 2 * i) for i in range(260)))

# Script text: a template with sections, control codes and hex runs.
template = "// Do not erase these: \r\n// .STRING #\r\n// .ENDS\r\n\r\n\r\n"
for n, body in enumerate(["Hello[KEY]", "[COLOR$02]Hi", "[$F5][$0A1B]", "a[b",
                          "[key][Name][clrscr][pause][choice][color]", "[NAMEX]", "[$F]ab", "[$123"]):
    template += ".STRING %d\r\n%s\r\nsecond line\r\n.ENDS\r\n\r\n" % (n, body)
# The provider reads its numbers from the end: string 3, whole text.
put("fuzz_script_text", "template", template + "\x01\x00\x00\x00\x02\x00\x00\x00\x03\x00\x00\x00\x01")
put("fuzz_script_text", "unterminated", ".STRING 0\nHi\n.STRING 1\n" + "x" * 300 + "\x00\x00\x00\x00\x00")

# Script files for the fit check and the rewrap: line width, two-byte
# advance, VWF and string count first, then the file (CR LF, LF, Latin-1).
fit_text = ("// header\r\n.STRING 0\r\nThe quick brown fox jumps over the lazy dog\r\nHi there[KEY]\r\n.ENDS\r\n"
            ".STRING 1\nPress the [KEY] button [NAME] now, caf\xe9\n[ab cd] Supercalifragilistic word\n.ENDS\n"
            ".STRING 2\r\n[$F070][$F070] [PAUSE] aaaa bbbb cccc dddd eeee\r\n.string 3  \r\nx  y  z\r\n")
put("fuzz_fit_check", "script", "\x12\x10\x00\x04" + fit_text)
put("fuzz_fit_check", "narrow-vwf", "\x03\x01\x01\x02" + fit_text)


# ROM strings: the payload (a pointer table followed by the strings it
# points at, the first pointer 0x8000 of a text bank) comes first, closed by
# the provider's "\\" + other byte; the numbers are read from the end.
def rom_seed(strings, table_entries=None):
    table = b""
    pointer = 0x8000 + 2 * len(strings)
    body = b""
    for s in strings:
        table += struct.pack("<H", pointer)
        body += bytes(s)
        pointer += len(s)
    payload = (table + body).replace(b"\\", b"\\\\") + b"\\x"
    # Trailing bytes: steps and numbers, consumed back to front.
    tail = bytes(range(0, 64))
    return payload + b"\x00" * 8 + tail


put("fuzz_rom_strings", "fixture", rom_seed([[0x0A, 0x0B, 0x0C, 0xFF], [0x01, 0xFD, 0x02, 0xFF],
                                             [0xF8, 0x00, 0x01, 0xFF], [0x03, 0x04, 0x05, 0xFF]]))
put("fuzz_rom_strings", "codes", rom_seed([[0xF0, 0x70, 0xFC, 0x12, 0x34, 0xFE, 0xF9, 0xFF],
                                           [0x41] * 40 + [0xFD] * 30 + [0xFF]]))

# GAME Pack sources.
put("fuzz_pack_source", "build", ".GAMEPACK_STRING->intro\r\n.GAMEPACK_FILE->bin INTRO.BIN\r\n"
    ".GAMEPACK_FILE->bin TITLE.BIN\r\n.GAMEPACK_STRING.OFFSET->end\r\n")
put("fuzz_pack_source", "carry", ".GAMEPACK_STRING->ab\n; comment\n\n.GAMEPACK_FILE->x f.bin\n"
    ".GAMEPACK_FILE->x f.bin\n.GAMEPACK_STRING.OFFSET->a\n.gamepack_file->bin My_Data.Bin\n")
put("fuzz_pack_source", "errors", ".GAMEPACK_FILE->bin !Missing.bin\r\n.GamePack_String Hello \"there\"\r\n"
    ".GAMEPACK_FILE\r\n.GAMEPACK_FILE->dbp GPACK.dbp\r\n")

# Coder inputs and coded files.
samples = {
    "abracadabra": b"abracadabra",
    "aaaa": b"aaaa",
    "runs": b"\x00" * 300 + b"abc" + b"\xff" * 130 + bytes(range(200)),
    "all-values": bytes(range(256)) * 2,
    "text": b"Hello[KEY] this is a short line of script text.\r\n" * 6,
}
for name, data in samples.items():
    put("fuzz_huffman_roundtrip", name, data)
    put("fuzz_rle_roundtrip", name, data)

# The worked example of the .huf format, the one-symbol and the empty file.
put("fuzz_huffman_decode", "abracadabra.huf",
    bytes.fromhex("5A4846 0B000000 0500 00 216102 036272 300301 036463 00FFFF 6EA8DC"))
put("fuzz_huffman_decode", "aaaa.huf", bytes.fromhex("5A484604000000010000016161 00".replace(" ", "")))
put("fuzz_huffman_decode", "empty.huf", bytes.fromhex("5A48460000000000000 0".replace(" ", "")))


def rle(data):
    """The RLE coder's token stream: runs of 3 or more as 0x80+n, else literals."""
    out = bytearray(struct.pack("<I", len(data)))
    i = 0
    literal = bytearray()

    def flush():
        nonlocal literal
        while literal:
            chunk, literal = literal[:126], literal[126:]
            out.append(len(chunk))
            out.extend(chunk)

    while i < len(data):
        run = 1
        while i + run < len(data) and data[i + run] == data[i] and run < 126:
            run += 1
        if run >= 3:
            flush()
            out.append(0x80 + run)
            out.append(data[i])
            i += run
        else:
            literal.extend(data[i:i + run])
            i += run
    flush()
    return bytes(out)


for name in ("abracadabra", "runs", "text"):
    put("fuzz_rle_decode", name + ".rle", rle(samples[name]))
put("fuzz_rle_decode", "empty.rle", b"\x00\x00\x00\x00")


# Table files, each followed by an image read through it: two bytes give the
# length of the table part.
def table_seed(table, image):
    if isinstance(table, str):
        table = table.encode("utf-8")
    return struct.pack("<H", len(table)) + table + bytes(image)


codes_image = [0x41, 0x42, 0x43, 0xF0, 0x70, 0xFC, 0xFF, 0x01, 0xFD, 0xF7, 0x12, 0xFE, 0x44, 0xFF,
               0x10, 0xF6, 0xFF, 0xF9, 0xFF, 0x41, 0xF0]
put("fuzz_table", "kinds", table_seed(
    "# every kind\n41=A\n4142=AB\nf070=K\n43=a=b\n44=x\\ny\n45=\n/FF\n/FE=<end>\n*FD\n*46=[br]\n"
    "$FC=<c>,2\n$F7=<7>,1\n@name\n!switch\n", codes_image))
put("fuzz_table", "bom-crlf-duplicates", table_seed(
    "\ufeff; table\r\n41=A\r\n41=again\r\n\r\nFF=<END>\r\n// note\r\n", codes_image))
put("fuzz_table", "refused", table_seed("41=A\n$F7=x,9\n", codes_image))
with open(os.path.join(HERE, "..", "scrivel", "demo", "demo.tbl"), encoding="utf-8") as demo_table:
    put("fuzz_table", "demo", table_seed(demo_table.read(), codes_image + [0x5F, 0x60, 0xF4, 0xF1, 0xFF]))

# Patches for the fixed file of the patch targets (fuzz/PatchSource.h).
patch_source = bytes((i * 7 + 3) & 0xFF for i in range(256))


def ips_record(offset, data):
    return offset.to_bytes(3, "big") + len(data).to_bytes(2, "big") + data


put("fuzz_ips", "records", b"PATCH" + ips_record(0, b"abc") + ips_record(250, b"0123456789") + b"EOF")
put("fuzz_ips", "run-and-cut", b"PATCH" + b"\x00\x00\x10\x00\x00\x00\x20Z" + b"EOF" + (100).to_bytes(3, "big"))
put("fuzz_ips", "nothing", b"PATCHEOF")


def bps_number(value):
    out = bytearray()
    while True:
        x = value & 0x7F
        value >>= 7
        if value == 0:
            out.append(0x80 | x)
            return bytes(out)
        out.append(x)
        value -= 1


def bps_patch(target, actions, metadata=b""):
    body = b"BPS1" + bps_number(len(patch_source)) + bps_number(len(target)) + bps_number(len(metadata)) + metadata
    body += actions
    body += struct.pack("<II", zlib.crc32(patch_source), zlib.crc32(target))
    return body + struct.pack("<I", zlib.crc32(body))


def action(kind, length):
    return bps_number(((length - 1) << 2) | kind)


# SourceRead 4, TargetRead 2, SourceCopy 3 from +10, TargetCopy 5 from +1
# (overlapping), then a long SourceRead past what it copied.
s = patch_source
t = s[0:4] + b"xy" + s[10:13]
t += t[1:6]
actions = (action(0, 4) + action(1, 2) + b"xy" + action(2, 3) + bps_number(10 << 1)
           + action(3, 5) + bps_number(1 << 1))
t += s[len(t):len(t) + 200]
actions += action(0, 200)
# The first byte of a BPS seed tells the target to set the checksums right.
put("fuzz_bps", "all-actions", b"\x01" + bps_patch(t, actions, b"note"))
put("fuzz_bps", "grows", b"\x00" + bps_patch(s + b"tail", action(0, 256) + action(1, 4) + b"tail"))
put("fuzz_bps", "same", b"\x00" + bps_patch(s, action(0, 256)))

# Font sheets as PNG files: the program's own fonts in two colour types, and
# tiny pictures of the other types. Filter 0 (none) on every row.
def png(width, height, color_type, depth, rows, chunks=(), interlace=0):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, depth, color_type, 0, 0, interlace)
    raw = b"".join(b"\x00" + row for row in rows)
    out = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    for kind, data in chunks:
        out += chunk(kind, data)
    return out + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def font(name):
    with open(os.path.join(HERE, "..", "scrivel", "render", "data", name), "rb") as f:
        return f.read()


# Game font: grey 1 bit, black ink on white; half tile t at column t % 16,
# row t // 16 of 8 x 16 cells; the end of the last row unused.
game = font("gamefont.bin")
game_rows = []
for y in range(2544):
    row = bytearray(16)
    for column in range(16):
        tile = y // 16 * 16 + column
        row[column] = 0xFF ^ (game[tile * 16 + y % 16] if tile < 2532 else 0)
    game_rows.append(bytes(row))
put("fuzz_png_sheet", "gamefont-grey1.png", png(128, 2544, 0, 1, game_rows))

# Preview font: palette of 2 bits, a transparent background; glyph g at
# column g % 16, row g // 16 of 16 x 16 cells, stored in quarters
# top-left, bottom-left, top-right, bottom-right.
preview = font("previewfont.bin")
preview_rows = []
for y in range(128):
    values = []
    for x in range(256):
        glyph = y // 16 * 16 + x // 16
        quarter = (x % 16 // 8) * 2 + (y % 16 // 8)
        values.append(2 if preview[glyph * 256 + quarter * 64 + (y % 8) * 8 + x % 8] else 0)
    preview_rows.append(bytes((values[i] << 6) | (values[i + 1] << 4) | (values[i + 2] << 2) | values[i + 3]
                              for i in range(0, 256, 4)))
put("fuzz_png_sheet", "previewfont-palette2.png",
    png(256, 128, 3, 2, preview_rows, [(b"PLTE", bytes([0, 0, 0, 9, 9, 9, 255, 255, 255])), (b"tRNS", b"\x00")]))

put("fuzz_png_sheet", "rgba16-interlaced.png", png(1, 1, 6, 16, [bytes(range(8))], interlace=1))
put("fuzz_png_sheet", "grey-alpha.png", png(2, 2, 4, 8, [b"\x10\x00\xf0\xff", b"\x80\x80\x00\x00"]))
put("fuzz_png_sheet", "rgb-keyed.png",
    png(3, 1, 2, 8, [bytes([1, 2, 3, 4, 5, 6, 1, 2, 3])], [(b"tRNS", struct.pack(">HHH", 1, 2, 3))]))

# Font lines of a data file: ROM addresses inside, across and outside the
# fuzz target's 128 KiB image, and file paths.
put("fuzz_font_lines", "rom-inside", ".FORMAT 18 16 16\n.BLOCK 1A8000 1A0000 4\n.GAMEFONT ROM 818000\n")
put("fuzz_font_lines", "rom-past-end", ".GAMEFONT rom $03C000\r\n.PREVIEWFONT preview.png\r\n")
put("fuzz_font_lines", "path", ".GAMEFONT fonts/game font.png \n.GAMEFONT ROM\n")
put("fuzz_font_lines", "argument", "ROM 0")
