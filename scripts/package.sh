#!/usr/bin/env bash
# Builds the Debian package and the tarball: installs what that needs (only
# the missing packages), makes a build without the tests with Debian's
# flags (optimisation and hardening from dpkg-buildflags, nothing added by
# a build type), the programs in /usr/games, and packs it with CPack.
# Two runs give the same bytes, whatever their folders.
# Usage: scripts/package.sh [BUILD_DIR]  (default: build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
dzwonex_install_packages "${DZWONEX_BUILD_PACKAGES[@]}" "${DZWONEX_PACKAGE_PACKAGES[@]}"

dir="${1:-build-package}"
mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"
# The time stamp of every file packed, and of the resources built into the
# window: the release's date, as Debian takes it from the changelog.
release="$(sed -n 's/^set(DZWONEX_RELEASE_DATE_RFC2822 "\(.*\)")$/\1/p' CMakeLists.txt)"
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(date -d "$release" +%s)}"
export DEB_BUILD_MAINT_OPTIONS="${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}"
# -DNDEBUG as in a Release build; no folder of the source or the build tree
# in the programs or their build IDs (the build tree's map last: the last
# matching one wins).
maps="-ffile-prefix-map=$PWD=. -ffile-prefix-map=$dir=build"
CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS) -DNDEBUG $maps"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS) -DNDEBUG $maps"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CFLAGS CXXFLAGS LDFLAGS

# Build type None: only the flags above, as Debian builds it.
# moc's files include the headers through the include folders, not by a
# path from the build tree to the source tree.
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-None}" -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_BINDIR=games -DCMAKE_AUTOMOC_PATH_PREFIX=ON
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && cpack)
ls -l "$dir"/*.deb "$dir"/*.tar.gz
