#!/usr/bin/env bash
# Checks the Debian packages scripts/package.sh made with dpkg-buildpackage:
# each package's file list (the programs in /usr/games, the data in
# /usr/share/dzwonex, the desktop entry, metainfo, file type, icons and
# manual pages, nothing else), the control fields, the version the programs
# report, the manual pages' examples run with the unpacked programs, and
# lintian --pedantic on the source and binary packages without errors or
# warnings. Exits 77 (skipped) when no package has been made.
# Usage: package_test.sh PACKAGE_DIR APP_ID
set -euo pipefail
dir="$1"
id="$2"
here="$(cd "$(dirname "$0")" && pwd)"
fail() { echo "FAIL: $*" >&2; exit 1; }

shopt -s nullglob
changes=("$dir"/dzwonex_*.changes)
if ((${#changes[@]} == 0)); then
  echo "no package in $dir: scripts/package.sh makes one"
  exit 77
fi
((${#changes[@]} == 1)) || fail "more than one build in $dir: ${changes[*]}"
version="$(sed -n 's/^Version: //p' "${changes[0]}")"
arch="$(dpkg --print-architecture)"
game="$dir/dzwonex_${version}_$arch.deb"
data="$dir/dzwonex-data_${version}_all.deb"
for deb in "$game" "$data" "$dir/dzwonex_$version.dsc"; do
  [[ -f "$deb" ]] || fail "no $deb"
done
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Each package's files, and only those.
files() { dpkg-deb --fsys-tarfile "$1" | tar -t | sed -n 's|^\./|/|; /[^/]$/p' | sort; }
files "$game" >"$tmp/game-files"
files "$data" >"$tmp/data-files"
{
  printf '%s\n' /usr/games/dzwonex /usr/games/dzwonex-text \
    "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml" \
    "/usr/share/mime/packages/$id.xml" "/usr/share/icons/hicolor/scalable/apps/$id.svg" \
    /usr/share/man/man6/dzwonex.6.gz /usr/share/man/man6/dzwonex-text.6.gz \
    /usr/share/doc/dzwonex/changelog.gz /usr/share/doc/dzwonex/copyright
  for size in 16 32 48 64 128 256; do
    echo "/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  done
} | sort >"$tmp/game-expected"
{
  printf '/usr/share/dzwonex/%s\n' Mapa.jpg 1.bmp 2.bmp 3.bmp 4.bmp 5.bmp 6.bmp Bannery.bmp Logo.bmp \
    psych.xm button.wav page.wav click.wav Banner.url
  printf '%s\n' /usr/share/doc/dzwonex-data/changelog.gz /usr/share/doc/dzwonex-data/copyright
} | sort >"$tmp/data-expected"
diff -u "$tmp/game-expected" "$tmp/game-files" || fail "the files of $game differ from the list above"
diff -u "$tmp/data-expected" "$tmp/data-files" || fail "the files of $data differ from the list above"

# The control fields Debian reads: the game needs what it loads while it
# runs, and its data of the same version; Qt's Polish is only recommended.
field() { dpkg-deb --field "$1" "$2"; }
[[ "$(field "$game" Section)" == games ]] || fail "section $(field "$game" Section)"
depends="$(field "$game" Depends)"
for needed in "dzwonex-data (= $version)" libsdl2-2.0-0 libsdl2-mixer-2.0-0 qt6-qpa-plugins libqt6widgets6; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
[[ "$depends" != *qt6-translations-l10n* ]] || fail "Depends names qt6-translations-l10n: $depends"
[[ "$(field "$game" Recommends)" == *qt6-translations-l10n* ]] || fail "Recommends lacks qt6-translations-l10n"
[[ "$(field "$data" Architecture)" == all ]] || fail "dzwonex-data is not Architecture: all"

# Unpacked anywhere, the programs run from there, report the package's
# version, and the manual pages' examples give what they say.
dpkg-deb -x "$game" "$tmp/root"
dpkg-deb -x "$data" "$tmp/root"
grep -qx 'StartupWMClass=dzwonex' "$tmp/root/usr/share/applications/$id.desktop" || fail "no StartupWMClass=dzwonex"
for program in dzwonex dzwonex-text; do
  reported="$(QT_QPA_PLATFORM= DISPLAY= WAYLAND_DISPLAY= "$tmp/root/usr/games/$program" -v)"
  [[ "$reported" == "$program $version" ]] || fail "$program -v: $reported, the package is $version"
done
bash "$here/man_examples.sh" "$tmp/root/usr/games" "$tmp/root/usr/share/man/man6"

if command -v lintian >/dev/null; then
  lintian --pedantic --info --display-experimental "${changes[0]}" >"$tmp/lintian" 2>&1 || true
  cat "$tmp/lintian"
  ! grep -E '^(E|W): ' "$tmp/lintian" || fail "lintian reports errors or warnings"
else
  echo "lintian is not installed: not run"
fi
echo "checked ${changes[0]}"
