#!/usr/bin/env bash
# Builds the Debian packages as a distribution's build daemon would: in a
# fresh Debian 12 (bookworm) chroot that holds only build-essential and the
# Build-Depends, from a clean copy of the sources, as an unprivileged user,
# with the tests (dpkg-buildpackage -us -uc). The packages land in
# CHROOT/build/. Run as root; needs debootstrap (made only when CHROOT does
# not exist yet) and a Debian mirror.
# Usage: scripts/package-in-chroot.sh CHROOT [MIRROR]
#   (default mirror: http://deb.debian.org/debian)
set -euo pipefail
umask 022
cd "$(dirname "$0")/.."
(($# >= 1)) || { sed -n 's/^# \{0,1\}//; 2,9p' "$0" >&2; exit 2; }
[[ $(id -u) == 0 ]] || { echo "$0 makes a chroot and needs root" >&2; exit 1; }
chroot_dir="$(realpath -m "$1")"
mirror="${2:-http://deb.debian.org/debian}"
version="$(dpkg-parsechangelog -SVersion)"

if [[ ! -e "$chroot_dir" ]]; then
  debootstrap --variant=minbase bookworm "$chroot_dir" "$mirror"
fi
# The chroot's /proc while it builds (the tests read it), and nothing else
# of the host.
mount -t proc proc "$chroot_dir/proc"
trap 'umount "$chroot_dir/proc"' EXIT
in_chroot() { chroot "$chroot_dir" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

# The sources, as a fresh clone or tarball has them.
tree="/build/dzwonex-$version"
rm -rf "${chroot_dir:?}$tree"
mkdir -p "$chroot_dir$tree"
scripts/source-files.sh | tar --null -T - -cf - | tar -xf - -C "$chroot_dir$tree"

# build-essential and the Build-Depends, without what they only recommend.
in_chroot apt-get update -qq
in_chroot env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends build-essential
in_chroot sh -c "cd $tree && DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq --no-install-recommends ./"

# Built as a user, as a build daemon does: files a user cannot read are
# among the tests' cases.
in_chroot id builder >/dev/null 2>&1 || in_chroot useradd --create-home builder
in_chroot chown -R builder:builder /build
chroot --userspec=builder:builder "$chroot_dir" /usr/bin/env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME=/home/builder \
  sh -c "cd $tree && dpkg-buildpackage -us -uc -jauto"
ls -l "$chroot_dir"/build/*.changes "$chroot_dir"/build/*.deb
