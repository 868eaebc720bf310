#!/usr/bin/env bash
# Times dzwonex-assetgen (target: under 10 s for all files in a Release
# build). Usage: assetgen/time-assetgen.sh [BUILD_DIR]   (default: build)
set -euo pipefail
build="${1:-build}"
gen="$build/bin/dzwonex-assetgen"
[[ -x "$gen" ]] || { echo "no $gen: build the 'assets' target first" >&2; exit 2; }
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen
best=""
for run in 1 2 3; do
  start=$(date +%s%N)
  "$gen" "$out" 2>/dev/null
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  echo "run $run: ${ms} ms"
  if [[ -z "$best" || $ms -lt $best ]]; then best=$ms; fi
done
echo "best: ${best} ms (target < 10000 ms)"
(( best < 10000 ))
