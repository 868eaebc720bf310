#!/usr/bin/env bash
# Removes what `cmake --install` wrote from a build folder, by the list it
# kept there (install_manifest.txt): the files, the folders that leaves
# empty, and the menu's and file types' caches (updated, or removed with the
# last entry or file type they described). The player's own games and
# settings stay.
# Usage: scripts/uninstall.sh [BUILD_DIR]  (default: build-play)
set -euo pipefail
build="${1:-build-play}"
manifest="$build/install_manifest.txt"
[[ -f "$manifest" ]] || { echo "no $manifest: nothing was installed from $build" >&2; exit 1; }
mapfile -t files <"$manifest"
# The prefix: where the text front end's folder (bin/ or games/) lies.
prefix=""
for file in "${files[@]}"; do
  [[ "$file" == */dzwonex-text ]] && prefix="$(dirname "$(dirname "$file")")"
done
[[ -n "$prefix" ]] || { echo "$manifest names no dzwonex-text" >&2; exit 1; }

rm -fv -- "${files[@]}"
# The caches of the menu and of the file types: gone with the last file
# they were made from, updated otherwise.
mime="$prefix/share/mime"
if [[ -d "$mime/packages" && -z "$(ls -A "$mime/packages")" ]]; then
  rm -rv -- "$mime"
elif [[ -d "$mime/packages" ]] && command -v update-mime-database >/dev/null; then
  update-mime-database "$mime"
fi
menu="$prefix/share/applications"
if [[ "$(ls -A "$menu" 2>/dev/null)" == mimeinfo.cache ]]; then
  rm -v -- "$menu/mimeinfo.cache"
elif [[ -d "$menu" ]] && command -v update-desktop-database >/dev/null; then
  update-desktop-database "$menu"
fi
# Every folder left empty, up to the prefix (which stays).
for file in "${files[@]}"; do
  folder="$(dirname "$file")"
  while [[ "$folder" == "$prefix"/* ]]; do
    if [[ -d "$folder" ]]; then
      rmdir -- "$folder" 2>/dev/null || break
      echo "removed folder '$folder'"
    fi
    folder="$(dirname "$folder")"
  done
done
