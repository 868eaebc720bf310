#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (in build/fuzz, apart
# from the GCC build) and runs each for the given time on the seeds in
# fuzz/corpus/TARGET. New inputs go to build/fuzz/corpus/TARGET, crashes
# to build/fuzz/crashes/. Exits 1 when a target crashed.
#
#   scripts/fuzz.sh TARGET|all [SECONDS]     targets: bitmap jpeg shortcut text savedgame
set -euo pipefail
cd "$(dirname "$0")/.."
TARGETS=(bitmap jpeg shortcut text savedgame)
WHAT="${1:-all}"
SECONDS_EACH="${2:-60}"
BUILD_DIR="${FUZZ_BUILD_DIR:-build/fuzz}"

if [[ "$WHAT" == all ]]; then
  RUN=("${TARGETS[@]}")
elif [[ " ${TARGETS[*]} " == *" $WHAT "* ]]; then
  RUN=("$WHAT")
else
  echo "usage: scripts/fuzz.sh TARGET|all [SECONDS]  (targets: ${TARGETS[*]})" >&2
  exit 2
fi

mkdir -p "$BUILD_DIR"
quietly() {  # runs a step, showing its output only when it fails
  if ! "$@" >"$BUILD_DIR/step.log" 2>&1; then
    cat "$BUILD_DIR/step.log"
    exit 1
  fi
}
if [[ ! -f "$BUILD_DIR/CMakeCache.txt" ]]; then
  CC=clang CXX=clang++ quietly cmake -S . -B "$BUILD_DIR" --no-warn-unused-cli -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDZWONEX_FUZZ=ON -DDZWONEX_GUI=OFF -DBUILD_TESTING=OFF
fi
quietly cmake --build "$BUILD_DIR" --target fuzz -j "$(nproc)"

status=0
for target in "${RUN[@]}"; do
  work="$BUILD_DIR/corpus/$target"
  log="$BUILD_DIR/fuzz-$target.log"
  mkdir -p "$work" "$BUILD_DIR/crashes"
  if "$BUILD_DIR/bin/fuzz_$target" -max_total_time="$SECONDS_EACH" -print_final_stats=1 \
      -artifact_prefix="$BUILD_DIR/crashes/$target-" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: ${runs:-?} runs in $SECONDS_EACH s, no crash"
  else
    tail -n 40 "$log"
    echo "fuzz_$target: CRASHED (log $log, input in $BUILD_DIR/crashes/)"
    status=1
  fi
done
exit $status
