#!/usr/bin/env bash
# Screenshots of the window into docs/: the Statystyka page after two game
# years at the window's design size and at 1280 x 800, the English window at
# the design size (Statystyka, and the case page with a letter), and the
# help in each language, and the report at a term's end in each.
# The real window plays under Xvfb (ui/bench/StatScreenshot.cpp) and
# ImageMagick's import takes the screen.
#
#   scripts/screenshot-stat.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${1:-build}"
for tool in xvfb-run /usr/bin/import /usr/bin/convert; do
  command -v "$tool" >/dev/null || { echo "$tool is needed (apt-get install xvfb imagemagick)" >&2; exit 1; }
done
cmake --build "$BUILD_DIR" -j2 --target ui_stat_screenshot
mkdir -p docs

# shoot WIDTH HEIGHT OUT [OPTIONS OF ui_stat_screenshot...]
shoot() {
  local width=$1 height=$2 out=$3 shot
  shift 3
  shot=$(mktemp --suffix=.png)
  # The game prints "ready" once the page is painted; then the screen is
  # taken and the game closed.
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    shot=$1; shift
    fifo=$(mktemp -u); mkfifo "$fifo"
    # The records and kept games of the shot stay out of the user'"'"'s own.
    data=$(mktemp -d)
    XDG_DATA_HOME="$data" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$@" >"$fifo" &
    game=$!
    read -r -t 900 line <"$fifo" || { echo "the game did not get ready" >&2; kill "$game"; exit 1; }
    /usr/bin/import -window root "$shot"
    kill "$game"; wait "$game" || true; rm -rf "$fifo" "$data"
  ' _ "$shot" "$BUILD_DIR/bin/ui_stat_screenshot" "$@" "$BUILD_DIR/bin/" "$width" "$height"
  /usr/bin/convert "$shot" -crop "${width}x${height}+0+0" +repage "$out"
  rm -f "$shot"
  echo "wrote $out"
}

shoot 670 459 docs/statystyka-670x459.png --lang pl
shoot 1280 800 docs/statystyka-1280x800.png --lang pl
shoot 670 459 docs/english-statystyka.png --lang en
shoot 670 459 docs/english-cases.png --lang en --page cases
shoot 670 459 docs/sprawy-670x459.png --lang pl --page cases
shoot 700 560 docs/pomoc.png --lang pl --page help
shoot 700 560 docs/english-help.png --lang en --page help
# The report at a one-year term's end, the third term of the company's manager.
shoot 670 459 docs/raport-kadencji.png --lang pl --page report
shoot 670 459 docs/english-term-report.png --lang en --page report
