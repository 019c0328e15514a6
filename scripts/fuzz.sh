#!/bin/sh
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a while, two at a time.
#   sh scripts/fuzz.sh smoke          each target about 30 s (CI)
#   sh scripts/fuzz.sh run SECONDS    each target SECONDS
#   sh scripts/fuzz.sh run SECONDS T  only target T
# New inputs go to fuzz-out/<target>/ (not kept in the repo); the seed
# corpora live in fuzz/corpus/<target>/. A crash leaves its input in
# fuzz-out/ and fails the script.
set -e
cd "$(dirname "$0")/.."
MODE=${1:-smoke}
SECONDS_EACH=30
[ "$MODE" = run ] && SECONDS_EACH=${2:-600}
ONLY=${3:-}

# FUZZ_NO_BUILD=1 runs the targets as they are built (two runs side by side
# must not build the same folder at once).
if [ "${FUZZ_NO_BUILD:-0}" != 1 ]; then
  cmake --preset fuzz >/dev/null
  cmake --build build-fuzz -j "$(nproc 2>/dev/null || echo 2)" --target fuzz_all
fi

# Runs one target; its status is left in fuzz-out/<name>.status.
run_target() {
  name=$1
  mkdir -p "fuzz-out/$name"
  corpus="fuzz/corpus/$name"
  [ -d "$corpus" ] || corpus=""
  if ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
       "build-fuzz/bin/$name" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="fuzz-out/$name/" "fuzz-out/$name" $corpus \
       2>"fuzz-out/$name.log"; then
    echo 0 >"fuzz-out/$name.status"
  else
    echo 1 >"fuzz-out/$name.status"
  fi
}

report() {
  name=$1
  echo "== $name: $SECONDS_EACH s"
  grep -E "stat::number_of_executed_units|stat::new_units_added" "fuzz-out/$name.log" | sed "s/^/   /"
  if [ "$(cat "fuzz-out/$name.status")" != 0 ]; then
    echo "FAILED: $name (see fuzz-out/$name.log)"
    tail -40 "fuzz-out/$name.log"
    return 1
  fi
}

names=""
for bin in build-fuzz/bin/fuzz_*; do
  [ -x "$bin" ] || continue
  name=$(basename "$bin")
  [ -n "$ONLY" ] && [ "$name" != "$ONLY" ] && continue
  names="$names $name"
done

status=0
set -- $names
while [ $# -gt 0 ]; do
  first=$1; shift
  second=""
  if [ $# -gt 0 ]; then second=$1; shift; fi
  run_target "$first" &
  [ -n "$second" ] && run_target "$second" &
  wait
  report "$first" || status=1
  [ -n "$second" ] && { report "$second" || status=1; }
done
exit $status
