#!/usr/bin/env bash
# Start-up to the first painted window: the game against a bare Qt window
# with the same page control, alternating, on one X server in one run.
# Passes when the game's median is within 1.5 times the bare window's.
#
#   ui/bench/startup_timing.sh [BUILD_DIR] [RUNS]
set -euo pipefail
BUILD_DIR="${1:-build}"
RUNS="${2:-15}"
PROBE="$BUILD_DIR/bin/ui_startup_probe"
[[ -x "$PROBE" ]] || { echo "build $PROBE first (target ui_startup_probe)" >&2; exit 2; }
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

run() {
  local mode=$1 start end
  start=$(date +%s%N)
  end=$("$PROBE" "$mode" 2>/dev/null)
  echo $(( (end - start) / 1000 ))
}

measure() {
  local -a game=() minimal=()
  run minimal >/dev/null; run game >/dev/null   # warm the file cache
  for ((i = 0; i < RUNS; i++)); do
    minimal+=("$(run minimal)")
    game+=("$(run game)")
  done
  median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
  local gm mm
  gm=$(median "${game[@]}")
  mm=$(median "${minimal[@]}")
  awk -v g="$gm" -v m="$mm" -v n="$RUNS" 'BEGIN {
    r = g / m
    printf "first paint, median of %d: game %.1f ms, bare window %.1f ms, ratio %.2f (limit 1.50)\n", n, g/1000, m/1000, r
    exit (r <= 1.5 ? 0 : 1)
  }'
}

if [[ -z "${DISPLAY:-}" && "${QT_QPA_PLATFORM:-}" != "offscreen" ]] && command -v Xvfb >/dev/null; then
  # Our own X server, so the numbers include talking to a real display.
  for n in $(seq 90 120); do [[ -e /tmp/.X11-unix/X$n ]] || break; done
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB=$!
  trap 'kill $XVFB 2>/dev/null || true' EXIT
  export DISPLAY=":$n"
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
fi
measure
