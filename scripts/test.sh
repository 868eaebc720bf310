#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: the format check, a few
# seconds of each fuzz target, the Debian packages (checked by
# install.DebianPackage) and every test. Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
# A few seconds of each fuzz target (a clang build of its own in build/fuzz).
if command -v clang++ >/dev/null; then
  scripts/fuzz.sh all "${DZWONEX_FUZZ_SECONDS:-5}"
fi
# The packages as Debian builds them, without running the tests a second
# time: the suite below runs them on build/.
DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" scripts/package.sh build-package
ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"
