#!/usr/bin/env bash
# Checks that every C++ file of the project is formatted as the checked-in
# .clang-format says; prints the places that differ.
#   check_format.sh <source folder>
# The code is written so that clang-format 14 to 21 (Debian 12 to testing)
# agree on it, so the release's own clang-format decides.
set -euo pipefail
cd "$1"
command -v clang-format >/dev/null ||
  { echo "SKIP: clang-format is not installed, so the formatting was not checked"; exit 77; }
version=$(clang-format --version)
mapfile -t files < <(find bench formulas numbers tests tools ui -name '*.cpp' -o -name '*.h' | sort)
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "clang-format: files above differ from what $version makes; run clang-format -i on them"
  exit 1
fi
echo "clang-format: ${#files[@]} files formatted as $version makes them"
