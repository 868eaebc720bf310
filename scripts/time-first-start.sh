#!/usr/bin/env bash
# Times a new player's first start: scripts/play.sh in a fresh Debian 12
# minbase chroot, from the command to the game's window on an X server of
# this machine. Needs root, debootstrap, Xvfb and xwininfo (x11-utils).
# Usage: scripts/time-first-start.sh [PRISTINE_CHROOT]
#   PRISTINE_CHROOT: a minbase chroot made once by debootstrap (made there
#   when missing; default /srv/dzwonex-bookworm) and copied for each run.
# DZWONEX_EXTRA_PACKAGES is passed on to play.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
pristine="${1:-/srv/dzwonex-bookworm}"
[[ $(id -u) -eq 0 ]] || { echo "chroot needs root" >&2; exit 1; }
for tool in debootstrap Xvfb xwininfo; do
  command -v "$tool" >/dev/null || { echo "needs $tool (debootstrap, xvfb, x11-utils)" >&2; exit 1; }
done
if [[ ! -d "$pristine" ]]; then
  debootstrap --variant=minbase bookworm "$pristine" http://deb.debian.org/debian
fi

root="$(mktemp -d /srv/dzwonex-first-start.XXXXXX)"
display=":$((90 + RANDOM % 9))"
cleanup() {
  # play.sh and the game it started, a process group of their own
  [[ -n "${play:-}" ]] && kill -- "-$play" 2>/dev/null || true
  [[ -n "${xvfb:-}" ]] && kill "$xvfb" 2>/dev/null || true
  for mount in tmp/.X11-unix dev/pts dev proc; do umount -l "$root/$mount" 2>/dev/null || true; done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
cp -a "$pristine/." "$root/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/root/dzwonex" "$root/tmp/.X11-unix"
scripts/source-files.sh | xargs -0 cp --parents -t "$root/root/dzwonex"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do xwininfo -root -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
start=$(date +%s.%N)
setsid chroot "$root" env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  DISPLAY="$display" SDL_AUDIODRIVER=dummy DZWONEX_EXTRA_PACKAGES="${DZWONEX_EXTRA_PACKAGES:-}" \
  bash -c 'cd /root/dzwonex && scripts/play.sh' &
play=$!
until xwininfo -root -tree -display "$display" 2>/dev/null | grep -q '"Dzwonex"'; do
  kill -0 "$play" 2>/dev/null || { echo "play.sh ended before a window opened" >&2; exit 1; }
  sleep 0.2
done
end=$(date +%s.%N)
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "packages installed: $(chroot "$root" dpkg-query -W | wc -l) (minbase: $(chroot "$pristine" dpkg-query -W | wc -l))"
awk -v s="$start" -v e="$end" 'BEGIN { printf "from scripts/play.sh to the window: %.0f s\n", e - s }'
