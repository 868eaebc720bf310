#!/usr/bin/env bash
# Plays many games in process (tools/MeasureRanges.cpp) and prints the range
# each saved value reached under each strategy: the figures behind the
# limits in game/Limits.h and the table in docs/saved-game-format.md.
#
#   scripts/measure-ranges.sh [YEARS] [SEEDS] [STRATEGY...]   (default: 50 years, 10 seeds, all)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD_DIR:-build}"
[[ -f "$BUILD/CMakeCache.txt" ]] || cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" --target dzwonex-ranges -j "$(nproc)" >/dev/null
time "$BUILD/bin/dzwonex-ranges" "${1:-50}" "${2:-10}" "${@:3}"
