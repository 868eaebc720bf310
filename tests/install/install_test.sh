#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves the installation, and
# plays from there: dzwonex-text for 100 days and the window offscreen for
# a moment. Empty XDG folders and a working folder outside the build leave
# the programs only their own installation to find their files in. Then
# installs it again and uninstalls it with scripts/uninstall.sh.
# Usage: install_test.sh BUILD_DIR APP_ID BINDIR  (BINDIR: bin, or games as
# Debian has it)
set -euo pipefail
build="$1"
id="$2"
bindir="$3"
here="$(cd "$(dirname "$0")" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$tmp/installed" >/dev/null
# Any prefix works, and the installation can be moved.
mv "$tmp/installed" "$tmp/moved"
prefix="$tmp/moved"

# Only the programs in their folder, everything else in its place under share/.
[[ "$(ls "$prefix/$bindir" | tr '\n' ' ')" == "dzwonex dzwonex-text " ]] || fail "$bindir/ holds: $(ls "$prefix/$bindir")"
unexpected="$(cd "$prefix" && find . -type f | grep -Ev '^\./('"$bindir"'/dzwonex(-text)?|share/dzwonex/[^/]+|share/applications/'"$id"'\.desktop|share/metainfo/'"$id"'\.metainfo\.xml|share/mime/packages/'"$id"'\.xml|share/icons/hicolor/(scalable|[0-9]+x[0-9]+)/apps/'"$id"'\.(png|svg)|share/man/man6/dzwonex(-text)?\.6)$' || true)"
[[ -z "$unexpected" ]] || fail "files outside the expected layout: $unexpected"
[[ "$(ls "$prefix/share/dzwonex" | wc -l)" == 14 ]] || fail "share/dzwonex holds: $(ls "$prefix/share/dzwonex")"
for size in 16 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  # The PNG header's width and height, big-endian, at bytes 16 to 23.
  read -r w h < <(od -An -j16 -N8 -tu1 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [[ "$w $h" == "$size $size" ]] || fail "$png is $w x $h"
done
# The metainfo together with the desktop entry it launches.
if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$prefix" >"$tmp/validate" 2>&1 || fail "appstreamcli: $(cat "$tmp/validate")"
fi
if command -v update-mime-database >/dev/null; then
  update-mime-database "$prefix/share/mime"
  grep -qx 'application/x-dzwonex:\*\.dzwonex' "$prefix/share/mime/globs" || fail "no *.dzwonex in the MIME database"
fi

mkdir -p "$tmp/xdg-data" "$tmp/xdg-dirs" "$tmp/home" "$tmp/work"
export XDG_DATA_HOME="$tmp/xdg-data" XDG_DATA_DIRS="$tmp/xdg-dirs" HOME="$tmp/home"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
cd "$tmp/work"

# The same options in both programs, answered without a display: the
# window's platform is not even looked for.
for program in dzwonex dzwonex-text; do
  for version in -v --version; do
    [[ "$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$prefix/$bindir/$program" $version 2>/dev/null)" == "$program "[0-9]* ]] ||
      fail "$program $version"
  done
  for help in -h --help; do
    env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$prefix/$bindir/$program" $help 2>/dev/null |
      grep -q -- '--assets' || fail "$program $help"
  done
  for wrong in --no-such-option -x --lang=xx "--lang de" "--assets=" "a.dzwonex b.dzwonex" "-- a.dzwonex b.dzwonex"; do
    set +e
    env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$prefix/$bindir/$program" $wrong >/dev/null 2>"$tmp/err"
    status=$?
    set -e
    [[ $status == 2 ]] && grep -q -- '--help' "$tmp/err" || fail "$program $wrong: status $status, $(cat "$tmp/err")"
  done
done
# A language the window does not speak is a wrong option too.
set +e
"$prefix/$bindir/dzwonex" --lang de >/dev/null 2>"$tmp/err"
status=$?
set -e
[[ $status == 2 ]] && grep -q -- '--lang takes pl or en' "$tmp/err" || fail "dzwonex --lang de: status $status, $(cat "$tmp/err")"

bash "$here/man_examples.sh" "$prefix/$bindir" "$prefix/share/man/man6"

# 100 days, answering every case, then the state.
{ for _ in $(seq 100); do printf 'day\ntak\n'; done; printf 'state\nquit\n'; } >"$tmp/commands"
"$prefix/$bindir/dzwonex-text" --seed 7 <"$tmp/commands" >"$tmp/state" 2>"$tmp/err" || fail "dzwonex-text: $(cat "$tmp/err")"
grep -q '"day":101' "$tmp/state" || fail "not at day 101: $(head -c 200 "$tmp/state")"

# The window: still running after a moment, with no error reported.
set +e
timeout 3 "$prefix/$bindir/dzwonex" >/dev/null 2>"$tmp/err"
status=$?
set -e
[[ $status == 124 ]] || fail "the window ended with status $status: $(cat "$tmp/err")"
! grep -q '^dzwonex:' "$tmp/err" || fail "the window reported: $(cat "$tmp/err")"

# Without the installed data nothing else is found, and both say where they looked.
mv "$prefix/share/dzwonex" "$prefix/share/dzwonex.hidden"
set +e
"$prefix/$bindir/dzwonex-text" --seed 7 </dev/null >/dev/null 2>"$tmp/err"
status=$?
set -e
# The window shows its error box and waits for the player: read what it
# printed before that, however long it took to start, then close it.
"$prefix/$bindir/dzwonex" >/dev/null 2>"$tmp/window-err" &
window=$!
for _ in $(seq 600); do
  grep -qF "$XDG_DATA_DIRS/dzwonex/" "$tmp/window-err" && break
  kill -0 "$window" 2>/dev/null || break
  sleep 0.1
done
kill "$window" 2>/dev/null || true
wait "$window" 2>/dev/null || true
[[ $status == 1 ]] || fail "dzwonex-text without data: status $status"
for err in "$tmp/err" "$tmp/window-err"; do
  for dir in "$prefix/$bindir/" "$prefix/share/dzwonex/" "$XDG_DATA_HOME/dzwonex/" "$XDG_DATA_DIRS/dzwonex/"; do
    grep -qF "$dir" "$err" || fail "$err does not name $dir: $(cat "$err")"
  done
done

# Installed as the README says, into a home folder whose path has spaces,
# with the caches of the menu and the file types; scripts/uninstall.sh then
# leaves nothing behind, folders and caches included.
home="$tmp/a home/with spaces"
mkdir -p "$home"
cmake --install "$build" --prefix "$home/.local" >/dev/null
if command -v update-desktop-database >/dev/null && command -v update-mime-database >/dev/null; then
  update-desktop-database "$home/.local/share/applications"
  update-mime-database "$home/.local/share/mime"
  [[ -f "$home/.local/share/mime/mime.cache" ]] || fail "update-mime-database made no cache"
fi
bash "$here/../../scripts/uninstall.sh" "$build" >"$tmp/uninstall" 2>&1 || fail "uninstall.sh: $(cat "$tmp/uninstall")"
left="$(cd "$home" && find . -mindepth 1)"
[[ "$left" == ./.local ]] || fail "uninstall.sh left behind: $left"

echo "installed, moved and played from $prefix; installed and uninstalled again"
