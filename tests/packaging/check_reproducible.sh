#!/usr/bin/env bash
# Packages a build folder, builds the package again in another folder
# configured the same way, and requires byte-identical files; where they
# differ, diffoscope says why. Nothing may depend on the build folder or the
# time of the build.
#   check_reproducible.sh <source folder> <build folder> <build type> <C++ compiler>
#                         <C++ flags> <linker flags> [toolchain file]
set -euo pipefail
source=$1 build=$2 build_type=$3 compiler=$4 flags=$5 linker_flags=$6
# A cross build needs its toolchain file again: the compiler alone does not
# make CMake build for another machine.
options=()
[[ -n ${7:-} ]] && options=(--toolchain "$7")
for tool in cpack dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
# The second folder lies beside the first, so that a compiler cache that
# hashes paths relative to the source folder hands the compiler the same
# relative paths in both. Its own namespace in the cache keeps it from taking
# the first folder's objects: each of its files is compiled in a folder of
# that name, now or on an earlier run.
second=$build-reproduced
export CCACHE_NAMESPACE=welvaro-reproduced
rm -rf "$second"

package() {
  cpack --config "$1/CPackConfig.cmake" -B "$2" >/dev/null
  find "$2" -maxdepth 1 -name '*.deb'
}
first=$(package "$build" "$second/first-package")
cmake -S "$source" -B "$second" -DCMAKE_BUILD_TYPE="$build_type" -DCMAKE_CXX_COMPILER="$compiler" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$linker_flags" -DBUILD_TESTING=OFF \
  "${options[@]}" >/dev/null
cmake --build "$second" --parallel "$(nproc)" >/dev/null
again=$(package "$second" "$second/out")

if cmp "$first" "$again"; then
  echo "reproducible: $(basename "$first") built again in another folder, byte-identical"
  exit 0
fi
echo "the two packages differ"
if command -v diffoscope >/dev/null; then
  diffoscope --text - "$first" "$again" | head -200 || true
else
  echo "install diffoscope-minimal to see where"
fi
exit 1
