#!/usr/bin/env bash
# Two builds of core_bench side by side: each round runs the earlier one,
# then the later one, so both see the same load on the machine. Prints the
# median over the rounds of each benchmark's CPU and wall time, and the
# later build's CPU time against the earlier one's.
#
#   bench/compare_core_bench.sh EARLIER_CORE_BENCH LATER_CORE_BENCH [ROUNDS] [FILTER]
#
# FILTER is a --benchmark_filter pattern (default: the day's turns); a
# benchmark missing from one build shows "-" there.
set -euo pipefail
[[ $# -ge 2 ]] || { sed -n '2,10p' "$0" >&2; exit 2; }
EARLIER="$1"
LATER="$2"
ROUNDS="${3:-5}"
FILTER="${4:-DailyTurn}"
for b in "$EARLIER" "$LATER"; do [[ -x "$b" ]] || { echo "$b: not an executable" >&2; exit 2; }; done

results="$(mktemp)"
trap 'rm -f "$results"' EXIT
for ((round = 1; round <= ROUNDS; ++round)); do
  for side in earlier later; do
    bin="$EARLIER"
    [[ $side == later ]] && bin="$LATER"
    "$bin" --benchmark_filter="$FILTER" --benchmark_min_time=0.5 --benchmark_format=csv 2>/dev/null |
      awk -F, -v side="$side" 'NR > 1 && $1 != "" { gsub(/"/, "", $1); print side, $1, $4, $3, $5 }' >>"$results"
  done
done

# The median of one column ($3 CPU, $4 wall) of one benchmark on one side.
median() {
  awk -v side="$1" -v name="$2" '$1 == side && $2 == name' "$results" | awk -v c="$3" '{ print $c }' | sort -g |
    awk '{ v[++n] = $1 } END { if (n) printf "%.3g\n", (n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2); else print "-" }'
}

printf '%-24s %24s %24s %7s\n' benchmark "earlier: CPU / wall" "later: CPU / wall" "CPU ×"
for name in $(awk '!seen[$2]++ { print $2 }' "$results"); do
  unit="$(awk -v name="$name" '$2 == name { print $5; exit }' "$results")"
  ec="$(median earlier "$name" 3)" ew="$(median earlier "$name" 4)"
  lc="$(median later "$name" 3)" lw="$(median later "$name" 4)"
  ratio="$(awk -v e="$ec" -v l="$lc" 'BEGIN { print (e != "-" && l != "-" && e > 0) ? sprintf("%.2f", l / e) : "-" }')"
  printf '%-24s %24s %24s %7s\n' "$name" "$ec / $ew $unit" "$lc / $lw $unit" "$ratio"
done
