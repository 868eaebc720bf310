#!/usr/bin/env bash
# Sets up a developer's tree: installs the Debian packages for building,
# running and testing (only the missing ones), then configures and builds
# everything, tests and benchmarks included, as a Release tree in build/
# (BUILD_DIR).
# Extra arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

dzwonex_install_packages "${DZWONEX_BUILD_PACKAGES[@]}" "${DZWONEX_RUN_PACKAGES[@]}" "${DZWONEX_TEST_PACKAGES[@]}"

BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DDZWONEX_BENCH=ON "$@"
cmake --build "$BUILD_DIR" -j "$(nproc)"
