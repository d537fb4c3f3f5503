#!/usr/bin/env bash
# Builds the benchmarks in Release mode and prints start-up time, resident
# memory (each the median of the runs) and nanoseconds per call:
#   bench/run.sh [runs]
set -euo pipefail
runs=${1:-21}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$top/build-bench
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DWELVARO_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null

# shellcheck source=../tools/start_xvfb.sh
source "$top/tools/start_xvfb.sh"
start_xvfb
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
# A figure that is missing or zero means the probe could not measure: fail
# rather than print a ratio that means nothing.
ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN {
    if (a + 0 <= 0 || b + 0 <= 0) { print "bench: no measurement (" a ", " b ")" > "/dev/stderr"; exit 1 }
    printf "%.2f", a / b }'
}

: >"$build/welvaro.times"
: >"$build/minimal.times"
for _ in $(seq "$runs"); do
  # Alternate the two programs, so that both see the same machine.
  "$build/bench/startup_probe" "Welvaro von Tarsimo" "$build/ui/welvaro" >>"$build/welvaro.times"
  "$build/bench/startup_probe" "Minimal window" "$build/bench/minimal_window" >>"$build/minimal.times"
done

welvaro_ms=$(cut -d' ' -f1 "$build/welvaro.times" | median)
minimal_ms=$(cut -d' ' -f1 "$build/minimal.times" | median)
welvaro_kb=$(cut -d' ' -f2 "$build/welvaro.times" | median)
minimal_kb=$(cut -d' ' -f2 "$build/minimal.times" | median)
time_ratio=$(ratio "$welvaro_ms" "$minimal_ms")
memory_ratio=$(ratio "$welvaro_kb" "$minimal_kb")
printf '\n%-34s %10s %10s %8s\n' "median of $runs runs" "Welvaro" "minimal" "ratio"
printf '%-34s %10s %10s %8s\n' "start-up to painted window (ms)" "$welvaro_ms" "$minimal_ms" "$time_ratio"
printf '%-34s %10s %10s %8s\n\n' "resident memory after 1 s (kB)" "$welvaro_kb" "$minimal_kb" "$memory_ratio"

"$build/bench/formulas_benchmark" --benchmark_min_time=0.2
