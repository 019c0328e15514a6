#!/usr/bin/env python3
"""Whole-process timing of `scrivel-cli check` on a generated script:
256 blocks of 256 translated strings of 4 lines each (65,536 strings).

Usage: python3 bench/scrivel/check_whole_script.py [PATH/TO/scrivel-cli] [RUNS]

Writes a 1 MiB ROM with the game's title, a data file of 256 blocks and
their 256 script files into a temporary folder, then prints the best wall
time of the check (with and without --vwf) over RUNS runs. The ROM's
strings are not read by the check; the script files are.
"""
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

WORDS = ["the", "sword", "of", "Osti", "lies", "beyond", "a", "river", "you", "must",
         "cross", "before", "night", "falls", "and", "king's", "men", "come", "[NAME]", "now"]


def dialogue_line(rng):
    target = rng.randint(8, 14)
    words = []
    while len(" ".join(words)) < target:
        words.append(rng.choice(WORDS))
    return " ".join(words)


def write_fixture(folder, blocks=256, strings=256):
    rom = bytearray(b"\xff" * (1 << 20))
    rom[0x7FC0:0x7FC0 + 13] = b"VARKEL -OSTI-"
    with open(os.path.join(folder, "big.sfc"), "wb") as f:
        f.write(rom)
    rng = random.Random(12)
    data = [".FORMAT 18 16 16 1 16 0 1 2 3"]
    os.mkdir(os.path.join(folder, "Dumps"))
    for b in range(blocks):
        address = 0x1A8000 + 0x200 * b
        data.append(".BLOCK %X 1A0000 %X" % (address, strings))
        lines = ["// Do not erase these: ", "// .STRING #", "// .ENDS", "", ""]
        for n in range(strings):
            lines.append(".STRING %d" % n)
            lines.extend(dialogue_line(rng) for _ in range(4))
            lines.extend([".ENDS", "", "", ""])
        with open(os.path.join(folder, "Dumps", "%08X.txt" % address), "w", newline="") as f:
            f.write("\r\n".join(lines) + "\r\n")
    with open(os.path.join(folder, "blocks.txt"), "w", newline="") as f:
        f.write("\r\n".join(data) + "\r\n")


def best_time(argv, cwd, runs):
    best = None
    status = None
    for _ in range(runs):
        start = time.perf_counter()
        done = subprocess.run(argv, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        elapsed = time.perf_counter() - start
        status = done.returncode
        best = elapsed if best is None else min(best, elapsed)
    return best, status


def main():
    cli = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/bin/scrivel-cli")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    folder = tempfile.mkdtemp(prefix="scrivel-check-")
    try:
        write_fixture(folder)
        for extra in ([], ["--vwf"]):
            seconds, status = best_time([cli, "check", "big.sfc", "blocks.txt"] + extra, folder, runs)
            print("check %-6s 65,536 strings: %.3f s (exit %d)" % (" ".join(extra), seconds, status))
    finally:
        shutil.rmtree(folder)


if __name__ == "__main__":
    main()
