#!/usr/bin/env bash
# Times 10,000 daily turns with answers through the text front end.
# Usage: scripts/bench-text.sh [build-dir]   (the build must hold the assets)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
EXE="$BUILD/bin/dzwonex-text"
[[ -x "$EXE" ]] || { echo "no $EXE: build first" >&2; exit 1; }
INPUT="$(mktemp)"
trap 'rm -f "$INPUT"' EXIT
awk 'BEGIN { for (i = 0; i < 10000; i++) { print "day"; print "tak"; print "nie"; print "ok";
             if (i % 50 == 0) print "click " (i % 1300) " " (i % 900) } print "state" }' > "$INPUT"
start=$(date +%s.%N)
"$EXE" --seed 1 --user bench < "$INPUT" > /dev/null
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" 'BEGIN { printf "10000 days with answers: %.3f s\n", e - s }'
