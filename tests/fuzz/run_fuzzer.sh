#!/usr/bin/env bash
# Replays the seeds and kept findings, then fuzzes for a bounded time in a
# scratch corpus, so the checked-in corpus stays as it is.
#   run_fuzzer.sh <fuzzer> <seed corpus> <findings folder> <seconds>
set -euo pipefail
fuzzer=$1 seeds=$2 findings=$3 seconds=$4
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$findings"
if compgen -G "$findings/*" >/dev/null; then
  "$fuzzer" -runs=0 "$findings"/*
fi
# Inputs of a megabyte, beyond what the fuzzing below generates: random bytes
# and a number with a million digits, each must finish within the timeout.
head -c 1048576 /dev/urandom >"$scratch/random-megabyte"
{ printf '\001'; printf '1%.0s' $(seq 1000); head -c 1047000 /dev/zero | tr '\0' '0'; printf ',5'; } \
  >"$scratch/digits-megabyte"
"$fuzzer" -timeout=10 -rss_limit_mb=2048 "$scratch/random-megabyte" "$scratch/digits-megabyte"
rm "$scratch/random-megabyte" "$scratch/digits-megabyte"
"$fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$scratch/" -print_final_stats=1 "$scratch" "$seeds" 2>&1 | tail -15
status=${PIPESTATUS[0]}
if compgen -G "$scratch/crash-*" >/dev/null || compgen -G "$scratch/timeout-*" >/dev/null; then
  cp "$scratch"/crash-* "$scratch"/timeout-* "$findings"/ 2>/dev/null || true
  echo "fuzzer found a failing input; copied to $findings"
  exit 1
fi
exit "$status"
