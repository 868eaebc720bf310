#!/usr/bin/env bash
# Start-up to the first painted window, and the peak memory, as the player
# sees them: the game's own program against a bare Qt window in a program
# of its own with the same page control (ui_minimal_window), each started
# from exec with the first-paint probe preloaded, alternating, on one X
# server with a session bus, in one run. Beside it, the same pair from one
# executable (ui_startup_probe game|minimal), which leaves out what both
# share there: loading the game's libraries, and main()'s own work.
# Passes when the game's median time is within RATIO_LIMIT times the
# separate bare window's (and SAME_RATIO_LIMIT times the bare window of
# its own executable), and its median peak RSS at the first paint within
# RSS_LIMIT_MB of the bare window's. The peak by the end (the sound open and
# the greeting shown, after the first paint) and the one once the map page
# has been shown (its picture is decoded then) are told beside it.
#
#   ui/bench/startup_timing.sh [BUILD_DIR] [RUNS]
#
# (cmake --build BUILD_DIR --target startup-timing builds what it runs.)
# On a display of your own, start the X server with -noreset, e.g.
#   xvfb-run -a -s "-screen 0 1280x800x24 -noreset" ui/bench/startup_timing.sh build 21
# (a server that resets when its last client leaves makes both sides wait
# the same, which hides the ratio). On a machine busy with other work,
# `chrt -f 10 ui/bench/startup_timing.sh` gives the start-ups the
# processor as a quiet machine would.
set -euo pipefail
BUILD_DIR="${1:-build}"
RUNS="${2:-15}"
RATIO_LIMIT="${RATIO_LIMIT:-1.25}"
SAME_RATIO_LIMIT="${SAME_RATIO_LIMIT:-1.20}"
RSS_LIMIT_MB="${RSS_LIMIT_MB:-10}"
# GAME and PROBE may name another build's, to compare two builds.
GAME="${GAME:-$BUILD_DIR/bin/dzwonex}"
MINIMAL="$BUILD_DIR/bin/ui_minimal_window"
PAINT_PROBE="$BUILD_DIR/bin/libui_first_paint_probe.so"
PROBE="${PROBE:-$BUILD_DIR/bin/ui_startup_probe}"
for file in "$GAME" "$MINIMAL" "$PAINT_PROBE" "$PROBE"; do
  [[ -e "$file" ]] || { echo "build $file first (target startup-timing)" >&2; exit 2; }
done
PAINT_PROBE="$(cd "$(dirname "$PAINT_PROBE")" && pwd)/$(basename "$PAINT_PROBE")"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
# Each game starts as a player's first: no settings, no kept game.
HOMES=$(mktemp -d)
trap 'rm -rf "$HOMES"' EXIT
fresh_homes() {
  rm -rf "$HOMES"/*
  mkdir -p "$HOMES/config" "$HOMES/data" "$HOMES/state"
}
export XDG_CONFIG_HOME="$HOMES/config" XDG_DATA_HOME="$HOMES/data" XDG_STATE_HOME="$HOMES/state"

# A program from exec, with the probe preloaded: prints
# "MICROSECONDS_TO_FIRST_PAINT PROCESS_CPU_MICROSECONDS_TO_IT
# PEAK_RSS_KIB_AT_IT PEAK_RSS_KIB".
run_program() {
  local program=$1 start key painted=0 cpu=0 at_paint=0 rss=0 a b c
  fresh_homes
  start=${EPOCHREALTIME/./}
  while read -r key a b c; do
    case $key in
      painted) painted=$a cpu=$b at_paint=$c ;;
      rss) rss=$a ;;
    esac
  done < <(LD_PRELOAD="$PAINT_PROBE" "$program" 2>/dev/null)
  echo "$((painted / 1000 - start)) $cpu $at_paint $rss"
}

# The same-executable probe: prints "MICROSECONDS_TO_FIRST_PAINT
# PEAK_RSS_KIB UI_THREAD_CPU_MICROSECONDS PEAK_RSS_KIB_WITH_THE_MAP
# MAP_FIRST_SHOWN_MICROSECONDS STAT_FIRST_SHOWN_MICROSECONDS".
run_probe() {
  local mode=$1 start painted rss cpu map mapshow statshow
  fresh_homes
  start=${EPOCHREALTIME/./}
  read -r painted rss cpu map mapshow statshow < <("$PROBE" "$mode" 2>/dev/null)
  echo "$((painted / 1000 - start)) $rss $cpu $map $mapshow $statshow"
}

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

measure() {
  local -a game=() minimal=() game_cpu=() minimal_cpu=() game_paint_rss=() minimal_paint_rss=() game_rss=() minimal_rss=()
  local -a same_game=() same_minimal=() same_game_rss=() same_minimal_rss=() game_ui_cpu=() minimal_ui_cpu=()
  local -a game_map=() minimal_map=() map_shown=() stat_shown=()
  local t c p r m ms ss
  # Warm the file cache.
  run_program "$MINIMAL" >/dev/null; run_program "$GAME" >/dev/null
  run_probe minimal >/dev/null; run_probe game >/dev/null
  for ((i = 0; i < RUNS; i++)); do
    read -r t c p r < <(run_program "$MINIMAL")
    minimal+=("$t"); minimal_cpu+=("$c"); minimal_paint_rss+=("$p"); minimal_rss+=("$r")
    read -r t c p r < <(run_program "$GAME")
    game+=("$t"); game_cpu+=("$c"); game_paint_rss+=("$p"); game_rss+=("$r")
    read -r t r c m ms ss < <(run_probe minimal)
    same_minimal+=("$t"); same_minimal_rss+=("$r"); minimal_ui_cpu+=("$c"); minimal_map+=("$m")
    read -r t r c m ms ss < <(run_probe game)
    same_game+=("$t"); same_game_rss+=("$r"); game_ui_cpu+=("$c"); game_map+=("$m"); map_shown+=("$ms"); stat_shown+=("$ss")
  done
  awk -v g="$(median "${game[@]}")" -v m="$(median "${minimal[@]}")" \
      -v gc="$(median "${game_cpu[@]}")" -v mc="$(median "${minimal_cpu[@]}")" \
      -v gp="$(median "${game_paint_rss[@]}")" -v mp="$(median "${minimal_paint_rss[@]}")" \
      -v gr="$(median "${game_rss[@]}")" -v mr="$(median "${minimal_rss[@]}")" \
      -v sg="$(median "${same_game[@]}")" -v sm="$(median "${same_minimal[@]}")" \
      -v sgr="$(median "${same_game_rss[@]}")" -v smr="$(median "${same_minimal_rss[@]}")" \
      -v guc="$(median "${game_ui_cpu[@]}")" -v muc="$(median "${minimal_ui_cpu[@]}")" \
      -v gm="$(median "${game_map[@]}")" -v mm="$(median "${minimal_map[@]}")" \
      -v ms="$(median "${map_shown[@]}")" -v ss="$(median "${stat_shown[@]}")" \
      -v n="$RUNS" -v limit="$RATIO_LIMIT" -v samelimit="$SAME_RATIO_LIMIT" -v rsslimit="$RSS_LIMIT_MB" 'BEGIN {
    r = g / m
    sr = sg / sm
    d = (gp - mp) / 1024
    printf "exec to first paint, median of %d pairs: game %.1f ms, separate bare window %.1f ms, ratio %.2f (limit %.2f)\n", n, g/1000, m/1000, r, limit
    # The CPU the whole process spent by then: steadier than the clock on a busy machine.
    printf "process CPU to first paint: game %.1f ms, separate bare window %.1f ms, ratio %.2f\n", gc/1000, mc/1000, gc/mc
    printf "peak RSS at the first paint, median of %d: game %.1f MB, separate bare window %.1f MB, +%.1f MB (limit +%.1f)\n", n, gp/1024, mp/1024, d, rsslimit
    printf "peak RSS to the end, the sound open and the greeting shown (both after the first paint): game %.1f MB, +%.1f MB\n", gr/1024, (gr - mr)/1024
    printf "same executable, exec to first paint: game %.1f ms, bare window %.1f ms, ratio %.2f (limit %.2f); peak RSS with the sound open +%.1f MB\n", sg/1000, sm/1000, sr, samelimit, (sgr - smr)/1024
    printf "UI thread CPU to first paint, same executable: game %.1f ms, bare window %.1f ms, ratio %.2f\n", guc/1000, muc/1000, guc/muc
    printf "peak RSS with the map page shown too, same executable: game %.1f MB, bare window %.1f MB, +%.1f MB\n", gm/1024, mm/1024, (gm - mm)/1024
    printf "first showing to its paint, median: Mapa %.1f ms (its picture decoded), Statystyka %.1f ms (its chart drawn)\n", ms/1000, ss/1000
    exit (r <= limit && sr <= samelimit && d <= rsslimit ? 0 : 1)
  }'
}

if [[ -z "${DISPLAY:-}" && "${QT_QPA_PLATFORM:-}" != "offscreen" ]] && command -v Xvfb >/dev/null; then
  # Our own X server, so the numbers include talking to a real display.
  for n in $(seq 90 120); do [[ -e /tmp/.X11-unix/X$n ]] || break; done
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  XVFB=$!
  trap 'kill $XVFB 2>/dev/null || true; rm -rf "$HOMES"' EXIT
  export DISPLAY=":$n"
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
fi
if [[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]] && command -v dbus-daemon >/dev/null; then
  # A session bus, as a desktop has: without one, every Qt program forks at
  # start to look for dbus-launch, and the fork costs a larger process more.
  read -r DBUS_SESSION_BUS_ADDRESS DBUS_PID < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -s -d ' ')
  export DBUS_SESSION_BUS_ADDRESS
  trap 'kill ${XVFB:-} $DBUS_PID 2>/dev/null || true; rm -rf "$HOMES"' EXIT
fi
measure
