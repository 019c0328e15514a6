#!/usr/bin/env python3
"""Whole-process comparison: `packwell-cli merge` on a group of 10,000 small
files against `cat` writing the same files into one file.

Usage: python3 bench/pack/merge_vs_cat.py [PATH/TO/packwell-cli] [FILES] [RUNS]

Prints the best wall time of each over RUNS runs and their ratio. Both run
on page-cached files in the same temporary folder; the merge also writes its
byte listing (Merged.cpp) and prints its report (sent to /dev/null).
"""
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time


def best_time(argv, cwd, runs, stdout):
    best = None
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(argv, cwd=cwd, stdout=stdout, stderr=subprocess.DEVNULL, check=True)
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best


def main():
    cli = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/bin/packwell-cli")
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    rng = random.Random(1234)
    folder = tempfile.mkdtemp(prefix="merge-bench-")
    try:
        names = []
        total = 0
        for i in range(count):
            name = "m%05d.bin" % i
            size = rng.randint(16, 512)
            with open(os.path.join(folder, name), "wb") as f:
                f.write(rng.randbytes(size))
            names.append(name)
            total += size
        names.sort()
        out = os.path.join(folder, "cat.out")
        devnull = open(os.devnull, "wb")
        # One untimed run of each warms the page cache and the folder entries.
        cat_argv = ["sh", "-c", "cat m*.bin > cat.out"]
        merge_argv = [cli, "merge", os.path.join(folder, names[0])]
        best_time(cat_argv, folder, 1, devnull)
        best_time(merge_argv, folder, 1, devnull)
        t_cat = best_time(cat_argv, folder, runs, devnull)
        t_merge = best_time(merge_argv, folder, runs, devnull)
        with open(out, "rb") as a, open(os.path.join(folder, "Merged.dat"), "rb") as b:
            same = a.read() == b.read()
        print("files: %d, bytes: %d" % (count, total))
        print("cat (shell glob + cat): %.1f ms" % (t_cat * 1000))
        print("packwell-cli merge:     %.1f ms" % (t_merge * 1000))
        print("ratio merge/cat:        %.2f (goal: at most 2.00)" % (t_merge / t_cat))
        print("Merged.dat equals cat's output:", "yes" if same else "NO")
        return 0 if same else 1
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
