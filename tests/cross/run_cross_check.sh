#!/usr/bin/env bash
# Builds numbers/, formulas/ and their tests for arm64, armhf and i386 with
# Debian's cross compilers and runs the fast tests under qemu-user: the
# formulas must give the same Doubles on every architecture.
#   run_cross_check.sh <source folder> <folder for the build folders> <architectures> [build options...]
# where <architectures> names them as qemu does: "aarch64 arm i386" for all three.
# The reference tests take WELVARO_REFERENCE_INPUTS inputs per formula
# (default here 30000: the emulator is about ten times slower).
set -euo pipefail
source=$(cd "$1" && pwd)
builds=$2
read -ra chosen <<<"$3"
shift 3
export WELVARO_REFERENCE_INPUTS=${WELVARO_REFERENCE_INPUTS:-30000}

declare -A triplets=([aarch64]=aarch64-linux-gnu [arm]=arm-linux-gnueabihf [i386]=i686-linux-gnu)

for qemu in "${chosen[@]}"; do
  triplet=${triplets[$qemu]:?"unknown architecture $qemu; known: ${!triplets[*]}"}
  folder=$builds/build-cross-$qemu
  echo "cross check: $triplet under qemu-$qemu"
  cmake -S "$source" -B "$folder" -DWELVARO_UI=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$source/tests/cross/toolchain.cmake" \
    -DWELVARO_CROSS_TRIPLET="$triplet" -DWELVARO_CROSS_QEMU="$qemu" "$@" >/dev/null
  cmake --build "$folder" --parallel "$(nproc)" --target numbers_tests formulas_tests
  ctest --test-dir "$folder" --output-on-failure --no-tests=error --parallel "$(nproc)"
done
