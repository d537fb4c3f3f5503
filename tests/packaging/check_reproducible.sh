#!/usr/bin/env bash
# Builds the Debian package twice, in two folders one after the other, and
# requires byte-identical files; where they differ, diffoscope says why.
# Nothing may depend on the build folder or the time of the build.
#   check_reproducible.sh <source folder> <build type> <C++ compiler> [toolchain file]
set -euo pipefail
source=$1 build_type=$2 compiler=$3
# A cross build needs its toolchain file again: the compiler alone does not
# make CMake build for another machine.
options=()
[[ -n ${4:-} ]] && options=(--toolchain "$4")
for tool in cpack dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

build_package() {
  local folder=$scratch/$1
  cmake -S "$source" -B "$folder" -DCMAKE_BUILD_TYPE="$build_type" -DCMAKE_CXX_COMPILER="$compiler" \
    -DBUILD_TESTING=OFF "${options[@]}" >/dev/null
  cmake --build "$folder" --parallel "$(nproc)" >/dev/null
  cpack --config "$folder/CPackConfig.cmake" -B "$folder/out" >/dev/null
  find "$folder/out" -maxdepth 1 -name '*.deb'
}
first=$(build_package first)
second=$(build_package second-folder)

if cmp "$first" "$second"; then
  echo "reproducible: $(basename "$first") built twice, byte-identical"
  exit 0
fi
echo "the two packages differ"
if command -v diffoscope >/dev/null; then
  diffoscope --text - "$first" "$second" | head -200 || true
else
  echo "install diffoscope-minimal to see where"
fi
exit 1
