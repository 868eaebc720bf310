#!/usr/bin/env bash
# Checks the Debian package scripts/package.sh made: Debian's layout (the
# programs in /usr/games, the data in /usr/share/dzwonex), its control
# fields, the desktop entry, the manual pages' examples run with the
# unpacked programs, and lintian --pedantic without errors or warnings.
# Exits 77 (skipped) when no package has been made.
# Usage: package_test.sh PACKAGE_DIR APP_ID
set -euo pipefail
dir="$1"
id="$2"
here="$(cd "$(dirname "$0")" && pwd)"
fail() { echo "FAIL: $*" >&2; exit 1; }

shopt -s nullglob
debs=("$dir"/dzwonex_*.deb)
if ((${#debs[@]} == 0)); then
  echo "no package in $dir: scripts/package.sh makes one"
  exit 77
fi
((${#debs[@]} == 1)) || fail "more than one package in $dir: ${debs[*]}"
deb="${debs[0]}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# The layout: programs in /usr/games, nothing in /usr/bin.
dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$tmp/paths"
for program in dzwonex dzwonex-text; do
  grep -qx "/usr/games/$program" "$tmp/paths" || fail "no /usr/games/$program in $deb"
done
! grep -q '^/usr/bin/' "$tmp/paths" || fail "programs in /usr/bin: $(grep '^/usr/bin/' "$tmp/paths")"
grep -qx /usr/share/dzwonex/Mapa.jpg "$tmp/paths" || fail "no /usr/share/dzwonex/Mapa.jpg"
grep -qx "/usr/share/applications/$id.desktop" "$tmp/paths" || fail "no desktop entry"

# The control fields Debian reads.
[[ "$(dpkg-deb --field "$deb" Section)" == games ]] || fail "section $(dpkg-deb --field "$deb" Section)"
dpkg-deb --field "$deb" Depends | grep -q 'qt6-translations-l10n' ||
  fail "Depends lacks qt6-translations-l10n: $(dpkg-deb --field "$deb" Depends)"

# Unpacked anywhere, it runs from there; the dock finds the window by its
# class.
dpkg-deb -x "$deb" "$tmp/root"
grep -qx 'StartupWMClass=dzwonex' "$tmp/root/usr/share/applications/$id.desktop" || fail "no StartupWMClass=dzwonex"
for program in dzwonex dzwonex-text; do
  [[ "$(QT_QPA_PLATFORM= DISPLAY= WAYLAND_DISPLAY= "$tmp/root/usr/games/$program" -v)" == "$program "[0-9]* ]] ||
    fail "$program -v"
done
bash "$here/man_examples.sh" "$tmp/root/usr/games" "$tmp/root/usr/share/man/man6"

if command -v lintian >/dev/null; then
  lintian --pedantic --info "$deb" >"$tmp/lintian" 2>&1 || true
  cat "$tmp/lintian"
  ! grep -E '^(E|W): ' "$tmp/lintian" || fail "lintian reports errors or warnings"
else
  echo "lintian is not installed: not run"
fi
echo "checked $deb"
