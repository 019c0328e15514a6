#!/bin/sh
# Builds and runs every test: once in build/ and once under AddressSanitizer
# and UndefinedBehaviorSanitizer in build-asan/. Headless throughout.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
JOBS=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS"
ctest --test-dir build --output-on-failure -j "$JOBS"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTOOLS_SANITIZE=ON -DTOOLS_BUILD_BENCHMARKS=OFF
cmake --build build-asan -j "$JOBS"
# Qt's own libraries keep some memory to the end of the process.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$JOBS"

if [ -x scripts/fuzz.sh ] && [ "${SKIP_FUZZ:-0}" != 1 ]; then
  sh scripts/fuzz.sh smoke
fi
