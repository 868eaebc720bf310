#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
DZWONEX_EXTRA_PACKAGES="xvfb xauth sox clang-format ${DZWONEX_EXTRA_PACKAGES:-}" scripts/setup.sh
scripts/check-format.sh
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"
