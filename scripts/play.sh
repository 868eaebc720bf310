#!/usr/bin/env bash
# Sets up, builds and starts the game: installs only what building and
# running it needs (no test tools), builds the window and the text front end
# alone in build-play/ (Release, no tests), then starts the window, or
# dzwonex-text where there is no display. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
dir="${DZWONEX_PLAY_DIR:-build-play}"
started=$SECONDS
step() { printf '[%3ds] %s\n' $((SECONDS - started)) "$*"; }

step "Checking the Debian packages the game needs"
dzwonex_install_packages "${DZWONEX_BUILD_PACKAGES[@]}" "${DZWONEX_RUN_PACKAGES[@]}"

step "Configuring ($dir/)"
mkdir -p "$dir"
if ! cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >"$dir/configure.log" 2>&1; then
  tail -n 30 "$dir/configure.log" >&2
  echo "Configuring failed; the whole output is in $dir/configure.log" >&2
  exit 1
fi

step "Building the game (the whole output goes to $dir/build.log)"
# One line a step of the percentage CMake reports, rewritten in place at a
# terminal.
show_progress() {
  local last="" percent
  while IFS= read -r line; do
    printf '%s\n' "$line" >>"$dir/build.log"
    [[ "$line" =~ ^\[\ *([0-9]+)%\] ]] || continue
    percent="${BASH_REMATCH[1]}"
    [[ "$percent" != "$last" ]] || continue
    last="$percent"
    if [[ -t 1 ]]; then printf '\r  %3d%%' "$percent"; else printf '  %3d%%\n' "$percent"; fi
  done
  [[ -t 1 ]] && printf '\n'
  return 0
}
: >"$dir/build.log"
if ! cmake --build "$dir" -j "$(nproc)" --target game-programs 2>&1 | show_progress; then
  grep -E -B2 -A8 'error|Error' "$dir/build.log" | tail -n 40 >&2 || tail -n 40 "$dir/build.log" >&2
  echo "The build failed; the whole output is in $dir/build.log" >&2
  exit 1
fi

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" || -n "${QT_QPA_PLATFORM:-}" ]]; then
  step "Starting the game: $dir/bin/dzwonex"
  exec "$dir/bin/dzwonex" "$@"
fi
step "No display here; starting the text front end (type 'pomoc' for help): $dir/bin/dzwonex-text"
exec "$dir/bin/dzwonex-text" "$@"
