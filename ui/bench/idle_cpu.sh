#!/usr/bin/env bash
# The game left alone with its clock stopped: the UI thread's CPU time and
# the number of paints over the given seconds (the banner timer ticks once
# a minute, so runs under 60 s should paint nothing at all).
#
#   ui/bench/idle_cpu.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
BUILD_DIR="${1:-build}"
SECONDS_IDLE="${2:-20}"
PROBE="$BUILD_DIR/bin/ui_startup_probe"
[[ -x "$PROBE" ]] || { echo "build $PROBE first (target ui_startup_probe)" >&2; exit 2; }
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
if [[ -z "${DISPLAY:-}" ]] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$PROBE" idle "$SECONDS_IDLE"
fi
exec "$PROBE" idle "$SECONDS_IDLE"
