#!/usr/bin/env bash
# Start-up to the first painted window, and the peak memory of the start-up:
# the game against a bare Qt window with the same page control, alternating,
# on one X server in one run. Passes when the game's median time is within
# RATIO_LIMIT times the bare window's and its median peak RSS within
# RSS_LIMIT_MB of it. The peak once the map page has been shown as well
# (its picture is decoded then) is told beside it.
#
#   ui/bench/startup_timing.sh [BUILD_DIR] [RUNS]
#
# On a display of your own, start the X server with -noreset, e.g.
#   xvfb-run -a -s "-screen 0 1280x800x24 -noreset" ui/bench/startup_timing.sh build 7
# (a server that resets when its last client leaves makes both sides wait
# the same, which hides the ratio).
set -euo pipefail
BUILD_DIR="${1:-build}"
RUNS="${2:-15}"
RATIO_LIMIT="${RATIO_LIMIT:-1.25}"
RSS_LIMIT_MB="${RSS_LIMIT_MB:-10}"
PROBE="$BUILD_DIR/bin/ui_startup_probe"
[[ -x "$PROBE" ]] || { echo "build $PROBE first (target ui_startup_probe)" >&2; exit 2; }
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

# Prints "MICROSECONDS_TO_FIRST_PAINT PEAK_RSS_KIB UI_THREAD_CPU_MICROSECONDS
# PEAK_RSS_KIB_WITH_THE_MAP MAP_FIRST_SHOWN_MICROSECONDS STAT_FIRST_SHOWN_MICROSECONDS".
run() {
  local mode=$1 start painted rss cpu map mapshow statshow
  start=$(date +%s%N)
  read -r painted rss cpu map mapshow statshow < <("$PROBE" "$mode" 2>/dev/null)
  echo "$(( (painted - start) / 1000 )) $rss $cpu $map $mapshow $statshow"
}

measure() {
  local -a game=() minimal=() game_rss=() minimal_rss=() game_cpu=() minimal_cpu=() game_map=() minimal_map=()
  local -a map_shown=() stat_shown=()
  local t r c m ms ss
  run minimal >/dev/null; run game >/dev/null   # warm the file cache
  for ((i = 0; i < RUNS; i++)); do
    read -r t r c m ms ss < <(run minimal); minimal+=("$t"); minimal_rss+=("$r"); minimal_cpu+=("$c"); minimal_map+=("$m")
    read -r t r c m ms ss < <(run game); game+=("$t"); game_rss+=("$r"); game_cpu+=("$c"); game_map+=("$m")
    map_shown+=("$ms"); stat_shown+=("$ss")
  done
  median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
  awk -v g="$(median "${game[@]}")" -v m="$(median "${minimal[@]}")" \
      -v gr="$(median "${game_rss[@]}")" -v mr="$(median "${minimal_rss[@]}")" \
      -v gc="$(median "${game_cpu[@]}")" -v mc="$(median "${minimal_cpu[@]}")" \
      -v gm="$(median "${game_map[@]}")" -v mm="$(median "${minimal_map[@]}")" \
      -v ms="$(median "${map_shown[@]}")" -v ss="$(median "${stat_shown[@]}")" \
      -v n="$RUNS" -v limit="$RATIO_LIMIT" -v rsslimit="$RSS_LIMIT_MB" 'BEGIN {
    r = g / m
    d = (gr - mr) / 1024
    printf "first paint, median of %d: game %.1f ms, bare window %.1f ms, ratio %.2f (limit %.2f)\n", n, g/1000, m/1000, r, limit
    printf "peak RSS, median of %d: game %.1f MB, bare window %.1f MB, +%.1f MB (limit +%.1f)\n", n, gr/1024, mr/1024, d, rsslimit
    printf "peak RSS with the map page shown too: game %.1f MB, bare window %.1f MB, +%.1f MB\n", gm/1024, mm/1024, (gm - mm)/1024
    printf "first showing to its paint, median: Mapa %.1f ms (its picture decoded), Statystyka %.1f ms (its chart drawn)\n", ms/1000, ss/1000
    # What the UI thread itself spent: steadier than the clock on a busy machine.
    printf "UI thread CPU to first paint: game %.1f ms, bare window %.1f ms, ratio %.2f\n", gc/1000, mc/1000, gc/mc
    exit (r <= limit && d <= rsslimit ? 0 : 1)
  }'
}

if [[ -z "${DISPLAY:-}" && "${QT_QPA_PLATFORM:-}" != "offscreen" ]] && command -v Xvfb >/dev/null; then
  # Our own X server, so the numbers include talking to a real display.
  for n in $(seq 90 120); do [[ -e /tmp/.X11-unix/X$n ]] || break; done
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  XVFB=$!
  trap 'kill $XVFB 2>/dev/null || true' EXIT
  export DISPLAY=":$n"
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
fi
measure
