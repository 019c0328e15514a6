#!/usr/bin/env python3
"""Whole-process comparison: `packwell-cli huffman` on a one-member group of a
64 MiB page-cached file against `zstd -1 -T1` on the same file, and the peak
memory of `packwell-cli huffman` and `packwell-cli rle` at two input sizes.

Usage: python3 bench/compress/coder_vs_zstd.py [PATH/TO/packwell-cli] [RUNS]

Prints the best wall time and CPU time of each over RUNS runs and their
ratios (zstd / packwell-cli: above 1 means packwell-cli is faster), then the
peak resident memory of the coders for 16 MiB and 256 MiB inputs.
"""
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

MIB = 1 << 20


def text_like(size, seed):
    """About 60 byte values with falling frequencies, like a script."""
    rng = random.Random(seed)
    alphabet = bytes(range(0x20, 0x20 + 60))
    weights = [1.0 / (k + 1) for k in range(60)]
    block = bytes(rng.choices(alphabet, weights, k=MIB))
    # Varied 1 MiB blocks (rotated copies) keep the generation quick.
    out = bytearray()
    while len(out) < size:
        shift = rng.randrange(len(block))
        out += block[shift:] + block[:shift]
    return bytes(out[:size])


def run_once(argv, cwd):
    """Wall seconds and CPU seconds of one run."""
    start = time.perf_counter()
    proc = subprocess.Popen(argv, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        raise SystemExit("failed: " + " ".join(argv))
    return wall, usage.ru_utime + usage.ru_stime


def main():
    cli = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/bin/packwell-cli")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    if shutil.which("zstd") is None:
        raise SystemExit("zstd is not installed")
    folder = tempfile.mkdtemp(prefix="coder-bench-")
    try:
        data = os.path.join(folder, "DATA.BIN")
        with open(data, "wb") as f:
            f.write(text_like(64 * MIB, 1))
        # One untimed run of each warms the page cache.
        huffman = [cli, "huffman", data]
        zstd = ["zstd", "-1", "-T1", "-q", "-f", data, "-o", os.path.join(folder, "DATA.zst")]
        run_once(huffman, folder)
        run_once(zstd, folder)
        # Interleaved, so that both meet the same load on the machine.
        h_runs, z_runs = [], []
        for _ in range(runs):
            h_runs.append(run_once(huffman, folder))
            z_runs.append(run_once(zstd, folder))
        h_wall, h_cpu = min(r[0] for r in h_runs), min(r[1] for r in h_runs)
        z_wall, z_cpu = min(r[0] for r in z_runs), min(r[1] for r in z_runs)
        size = 64 * MIB
        print("64 MiB text-like file, best of %d runs" % runs)
        print("  packwell-cli huffman: %7.1f ms wall (%6.0f MB/s), %7.1f ms CPU, output %d bytes"
              % (h_wall * 1e3, size / h_wall / 1e6, h_cpu * 1e3, os.path.getsize(os.path.join(folder, "DATA.huf"))))
        print("  zstd -1 -T1:          %7.1f ms wall (%6.0f MB/s), %7.1f ms CPU, output %d bytes"
              % (z_wall * 1e3, size / z_wall / 1e6, z_cpu * 1e3, os.path.getsize(os.path.join(folder, "DATA.zst"))))
        print("  zstd / packwell-cli: %.2f (wall), %.2f (CPU)" % (z_wall / h_wall, z_cpu / h_cpu))

        print("peak resident memory")
        for size_mib in (16, 256):
            sub = os.path.join(folder, "m%d" % size_mib)
            os.mkdir(sub)
            member = os.path.join(sub, "M.BIN")
            with open(member, "wb") as f:
                block = text_like(16 * MIB, size_mib)
                for _ in range(size_mib // 16):
                    f.write(block)
            for command in ("huffman", "rle"):
                # Through time(1): a child forked from this large process
                # would report the parent's memory as its own peak.
                report = os.path.join(sub, "time.txt")
                run_once(["/usr/bin/time", "-f", "%M", "-o", report, cli, command, member], sub)
                with open(report) as f:
                    rss = int(f.read().split()[-1])
                print("  packwell-cli %-7s %4d MiB input: %6d KiB" % (command, size_mib, rss))
    finally:
        shutil.rmtree(folder)


if __name__ == "__main__":
    main()
