#!/usr/bin/env bash
# Checks that every C++ file of the project is formatted as the checked-in
# .clang-format says; prints the places that differ.
#   check_format.sh <source folder>
set -euo pipefail
cd "$1"
# Other versions format differently, so only the one the style was made with counts.
formatter=""
for candidate in clang-format-14 clang-format; do
  if command -v "$candidate" >/dev/null && [[ $("$candidate" --version) == *" version 14."* ]]; then
    formatter=$candidate
    break
  fi
done
[[ -n $formatter ]] || { echo "SKIP: clang-format 14 is not installed"; exit 77; }
mapfile -t files < <(find bench formulas numbers tests tools ui -name '*.cpp' -o -name '*.h' | sort)
if ! "$formatter" --dry-run --Werror "${files[@]}"; then
  echo "clang-format: files above differ; run $formatter -i on them"
  exit 1
fi
echo "clang-format: ${#files[@]} files formatted"
