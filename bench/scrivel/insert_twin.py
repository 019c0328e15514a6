#!/usr/bin/env python3
"""Whole-process time of `scrivel-cli insert` on the insertion benchmark's
fixture: a 4 MiB ROM, 256 blocks of 256 translated strings (65,536 strings),
writing the translated ROM, its IPS and its BPS patch.

Usage: python3 bench/scrivel/insert_twin.py [BUILD_DIR] [RUNS]

The fixture is written by `scrivel_insert_bench --write-fixture DIR` (the
same one the Google benchmark measures). Prints the best and the median
wall time over RUNS runs, files page-cached.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    cli = os.path.join(build, "bin", "scrivel-cli")
    bench = os.path.join(build, "bin", "scrivel_insert_bench")
    folder = tempfile.mkdtemp(prefix="insert-twin-")
    try:
        subprocess.run([bench, "--write-fixture", folder], check=True)
        argv = [cli, "insert", "rom.sfc", "blocks.txt", "out.sfc"]
        subprocess.run(argv, cwd=folder, stdout=subprocess.DEVNULL, check=True)  # warm the page cache
        times = []
        for _ in range(runs):
            start = time.perf_counter()
            subprocess.run(argv, cwd=folder, stdout=subprocess.DEVNULL, check=True)
            times.append(time.perf_counter() - start)
        print("scrivel-cli insert, 65,536 strings, 4 MiB ROM: best %.3f s, median %.3f s over %d runs"
              % (min(times), statistics.median(times), runs))
    finally:
        shutil.rmtree(folder)


if __name__ == "__main__":
    main()
