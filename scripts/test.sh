#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
DZWONEX_EXTRA_PACKAGES="xvfb xauth sox clang-format clang libfuzzer-14-dev libclang-rt-14-dev ${DZWONEX_EXTRA_PACKAGES:-}" scripts/setup.sh
scripts/check-format.sh
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
# A few seconds of each fuzz target (a clang build of its own in build/fuzz).
if command -v clang++ >/dev/null; then
  scripts/fuzz.sh all "${DZWONEX_FUZZ_SECONDS:-5}"
fi
ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"
