#!/usr/bin/env bash
# Lists the project's own files, NUL-separated, relative to the top of the
# tree: in a git clone those git tracks and the new ones it does not ignore;
# in a copy without git every file but those of the build folders (build/,
# build-*/ and any other folder holding a CMakeCache.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
top="$(git rev-parse --show-toplevel 2>/dev/null || true)"
if [[ -n "$top" && "$(cd "$top" && pwd -P)" == "$(pwd -P)" ]]; then
  # Only those still there: a file deleted but not yet committed is gone.
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do
      [[ -f "$file" ]] && printf '%s\0' "$file"
    done
else
  find . -type d \( -name .git -o -path ./build -o -path './build-*' -o -exec test -e '{}/CMakeCache.txt' \; \) -prune \
    -o -type f ! -name '*.swp' ! -name '*.raw' -printf '%P\0'
fi
