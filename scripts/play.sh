#!/usr/bin/env bash
# Sets up, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
DZWONEX_EXTRA_PACKAGES="${DZWONEX_EXTRA_PACKAGES:-}" scripts/setup.sh
if [[ -x build/bin/dzwonex ]]; then
  exec build/bin/dzwonex "$@"
fi
echo "The window is not built yet; starting the text front end (type 'pomoc' for help)." >&2
exec build/bin/dzwonex-text "$@"
