#!/bin/sh
# Builds and runs the tests, headless.
#   sh scripts/test.sh        installs what is missing, builds once in build/
#                             and runs every test (the quick path)
#   sh scripts/test.sh --all  the same, then a second build under
#                             AddressSanitizer and UndefinedBehaviorSanitizer
#                             in build-asan/ with every test again, then a
#                             short run of every fuzz target (two at a time)
set -e
cd "$(dirname "$0")/.."
ALL=0
case "${1:-}" in
  --all) ALL=1 ;;
  "") ;;
  *) echo "usage: sh scripts/test.sh [--all]" >&2; exit 2 ;;
esac
if [ "$ALL" = 1 ]; then sh scripts/setup.sh --all; else sh scripts/setup.sh; fi
JOBS=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

cmake --preset dev >/dev/null
cmake --build build -j "$JOBS"
ctest --test-dir build --output-on-failure -j "$JOBS"

[ "$ALL" = 1 ] || exit 0

cmake --preset asan >/dev/null
cmake --build build-asan -j "$JOBS"
# Qt's own libraries keep some memory to the end of the process.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$JOBS"

sh scripts/fuzz.sh smoke
