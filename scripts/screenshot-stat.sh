#!/usr/bin/env bash
# Screenshots of the Statystyka page after two game years, at the window's
# design size and at 1280 x 800, into docs/. The real window plays under
# Xvfb (ui/bench/StatScreenshot.cpp) and ImageMagick's import takes the
# screen.
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

shoot() {
  local width=$1 height=$2 out=$3 shot
  shot=$(mktemp --suffix=.png)
  # The game prints "ready" once the page is painted; then the screen is
  # taken and the game closed.
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    fifo=$(mktemp -u); mkfifo "$fifo"
    SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$0" "$1" "$2" "$3" >"$fifo" &
    game=$!
    read -r line <"$fifo"
    /usr/bin/import -window root "$4"
    kill "$game"; rm -f "$fifo"
  ' "$BUILD_DIR/bin/ui_stat_screenshot" "$BUILD_DIR/bin/" "$width" "$height" "$shot"
  /usr/bin/convert "$shot" -crop "${width}x${height}+0+0" +repage "$out"
  rm -f "$shot"
  echo "wrote $out"
}

shoot 670 459 docs/statystyka-670x459.png
shoot 1280 800 docs/statystyka-1280x800.png
