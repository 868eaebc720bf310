#!/usr/bin/env bash
# Builds the Debian source and binary packages as Debian builds them
# (dpkg-buildpackage -us -uc with debian/), in a clean copy of the sources,
# and a tarball of the installed tree to unpack anywhere. Installs what that
# needs first (only the missing packages). Two runs give the same bytes,
# whatever their folders and the umask.
# Usage: scripts/package.sh [DIR]  (default: build-package)
# DEB_BUILD_OPTIONS passes through: nocheck leaves out the tests (the test
# command runs them on its own build), parallel=N sets the jobs.
set -euo pipefail
# The copy of the sources, and so the source package, as a umask of 022
# makes them (debhelper sets the binary packages' modes itself).
umask 022
cd "$(dirname "$0")/.."
source scripts/packages.sh
dzwonex_install_packages "${DZWONEX_BUILD_PACKAGES[@]}" "${DZWONEX_PACKAGE_PACKAGES[@]}"
# Without the tests, without what only they need (the nocheck profile).
options=(-us -uc)
if [[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]]; then
  options+=(-Pnocheck)
else
  dzwonex_install_packages "${DZWONEX_CHECK_PACKAGES[@]}"
fi

dir="${1:-build-package}"
version="$(dpkg-parsechangelog -SVersion)"
mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"
tree="$dir/dzwonex-$version"
# What an earlier run made, and nothing else of the folder.
rm -rf "$tree"
rm -f "$dir"/dzwonex{,-data,-dbgsym}_* "$dir"/dzwonex-*-linux-*.tar.gz
mkdir "$tree"
scripts/source-files.sh | tar --null -T - -cf - | tar -xf - -C "$tree"

# Every core, unless DEB_BUILD_OPTIONS says how many.
[[ "${DEB_BUILD_OPTIONS:-}" == *parallel=* ]] || options+=(-jauto)
(cd "$tree" && dpkg-buildpackage "${options[@]}")

# The tarball: the two packages' tree under usr/, as games/ and share/ in a
# folder of their own; the same times, owners and modes as in the packages.
arch="$(dpkg --print-architecture)"
root="$dir/tarball-root"
rm -rf "$root"
for deb in "$dir/dzwonex_${version}_$arch.deb" "$dir/dzwonex-data_${version}_all.deb"; do
  dpkg-deb -x "$deb" "$root"
done
mv "$root/usr" "$root/dzwonex-$version"
epoch="$(cd "$tree" && dpkg-parsechangelog -STimestamp)"
tar --sort=name --mtime="@$epoch" --clamp-mtime --owner=0 --group=0 --numeric-owner --mode=go-w \
  -C "$root" -cf - "dzwonex-$version" | gzip -9n >"$dir/dzwonex-$version-linux-$arch.tar.gz"
rm -rf "$root"
ls -l "$dir"/*.dsc "$dir"/*.deb "$dir"/*.tar.gz
