#!/usr/bin/env bash
# Builds the Debian package and the tarball: a Release build without the
# tests, with Debian's hardening flags where dpkg-buildflags is at hand,
# packed by CPack. Usage: scripts/package.sh [BUILD_DIR]  (default: build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build-package}"
if command -v dpkg-buildflags >/dev/null; then
  export DEB_BUILD_MAINT_OPTIONS="${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}"
  CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
  CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
  LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
  export CFLAGS CXXFLAGS LDFLAGS
fi
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && cpack)
ls -l "$dir"/*.deb "$dir"/*.tar.gz
