#!/usr/bin/env bash
# Replays the seeds and kept findings, then fuzzes for a bounded time in a
# scratch corpus, so the checked-in corpus stays as it is. Any input that
# crashes, leaks, runs out of memory or time is kept in the findings folder,
# where every later run replays it.
#   run_fuzzer.sh <fuzzer> <seed corpus> <findings folder> <seconds>
set -uo pipefail
fuzzer=$1 seeds=$2 findings=$3 seconds=$4
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$findings" || exit 1
limits=(-timeout=10 -rss_limit_mb=2048 -artifact_prefix="$findings/")

kept_before=$(ls "$findings")
report_finding() {
  local new
  new=$(comm -13 <(echo "$kept_before") <(ls "$findings") | sed "s|^|$findings/|")
  echo "fuzzer found a failing input; kept in: ${new:-$findings}"
  exit 1
}

if compgen -G "$findings/*" >/dev/null; then
  "$fuzzer" -runs=0 "${limits[@]}" "$findings"/* ||
    { echo "an input kept in $findings still fails (see above)"; exit 1; }
fi
# Inputs of a megabyte, beyond what the fuzzing below generates: random bytes
# and a number with a million digits, each must finish within the timeout.
head -c 1048576 /dev/urandom >"$scratch/random-megabyte"
{ printf '\001'; printf '1%.0s' $(seq 1000); head -c 1047000 /dev/zero | tr '\0' '0'; printf ',5'; } \
  >"$scratch/digits-megabyte"
"$fuzzer" "${limits[@]}" "$scratch/random-megabyte" "$scratch/digits-megabyte" || report_finding
rm "$scratch/random-megabyte" "$scratch/digits-megabyte"
"$fuzzer" -max_total_time="$seconds" -max_len=4096 "${limits[@]}" -print_final_stats=1 \
  "$scratch" "$seeds" >"$scratch/log" 2>&1
status=$?
if ((status == 0)); then
  tail -15 "$scratch/log"
else
  tail -80 "$scratch/log"
  report_finding
fi
