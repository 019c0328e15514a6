#!/bin/sh
# Builds the programs and starts the script editor on the demo ROM and its
# text block data file.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake --preset dev
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"
DEMO=build/demo
cd "$DEMO"
exec ../bin/scrivel demo.sfc demo-blocks.txt
