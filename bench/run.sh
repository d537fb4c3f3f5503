#!/usr/bin/env bash
# Builds the benchmarks in Release mode and measures Welvaro beside the least
# Qt window, alternating the two in every round; then the times of clicks in
# Welvaro, its text box with 2 MB of text, and nanoseconds per formula call:
#   bench/run.sh [rounds] [welvaro executable]
# The second argument measures another build of Welvaro (say, an older one)
# against the same yardstick.
set -euo pipefail
rounds=${1:-15}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$top/build-bench
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DWELVARO_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null
welvaro=${2:-$build/ui/welvaro}
minimal=$build/bench/minimal_window
results=$build/results
rm -rf "$results"
mkdir -p "$results"

# shellcheck source=../tools/start_xvfb.sh
source "$top/tools/start_xvfb.sh"
start_xvfb
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT

median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
# Whether every line is a positive number: a missing or zero figure means the
# probe could not measure, and a ratio of it would mean nothing.
all_positive() { [[ -n $1 ]] && awk '!($1 > 0) { exit 1 }' <<<"$1"; }
# Column $1 of Welvaro's and of the minimal window's rounds: both medians and
# the median of the per-round ratios.
compare() {
  local column=$1 file=$2 label=$3 ours theirs
  ours=$(cut -d' ' -f"$column" "$results/welvaro.$file")
  theirs=$(cut -d' ' -f"$column" "$results/minimal.$file")
  if ! all_positive "$ours" || ! all_positive "$theirs"; then
    echo "bench: $label: no measurement" >&2
    exit 1
  fi
  printf '%-36s %10s %10s %8s\n' "$label" "$(median <<<"$ours")" "$(median <<<"$theirs")" \
    "$(paste -d' ' <(echo "$ours") <(echo "$theirs") | awk '{printf "%.3f\n", $1 / $2}' | median)"
}
# Runs both programs once each, in turns: odd rounds Welvaro first, even ones the minimal window.
alternate() {
  local round=$1
  shift
  if ((round % 2)); then
    "$@" welvaro "$welvaro" "Welvaro von Tarsimo"
    "$@" minimal "$minimal" "Minimal window"
  else
    "$@" minimal "$minimal" "Minimal window"
    "$@" welvaro "$welvaro" "Welvaro von Tarsimo"
  fi
}
startup() {
  "$build/bench/startup_probe" "$3" "$2" >>"$results/$1.startup" 2>/dev/null
}
# Instructions from exec until the program idles in its event loop, 3 s after its first paint.
instructions() {
  local profile=$results/callgrind.out
  rm -f "$profile"
  "$build/bench/startup_probe" --settle 3 "$3" \
    valgrind --tool=callgrind --callgrind-out-file="$profile" "$2" >/dev/null 2>&1
  awk '/^totals:/ {print $2}' "$profile" >>"$results/$1.instructions"
}

for round in $(seq "$rounds"); do alternate "$round" startup; done
for round in 1 2 3; do alternate "$round" instructions; done
for _ in $(seq 5); do "$build/bench/interaction_probe" "$welvaro" >>"$results/clicks" 2>/dev/null; done

printf '\n%-36s %10s %10s %8s\n' "median of $rounds rounds (3 for callgrind)" "Welvaro" "minimal" "ratio"
compare 1 startup "exec -> window mapped (ms)"
compare 2 startup "exec -> first painted frame (ms)"
compare 3 startup "resident memory after 1 s (kB)"
compare 1 instructions "instructions to idle (callgrind)"
if [[ ! -s $results/clicks ]]; then
  echo "bench: clicks: no measurement" >&2
  exit 1
fi
printf '\n%-44s %10s\n' "median of 5 runs" "ms"
cut -f1 "$results/clicks" | awk '!seen[$0]++' | while read -r what; do
  printf '%-44s %10s\n' "$what" "$(grep -F "$what" "$results/clicks" | cut -f2 | median)"
done

# A text box of this build with a short text and with 2 MB: the screen
# reader's queries, the word and line keys, and the idle processor.
"$build/bench/text_box_probe" >"$results/text_box"
printf '\n%-76s %8s\n' "text box (text_box_probe)" "ms / %"
awk -F'\t' '{ printf "%-76s %8s\n", $1, $2 }' "$results/text_box"
echo

"$build/bench/formulas_benchmark" --benchmark_min_time=0.2
