#!/usr/bin/env bash
# The Windows build, in the tool-chain root (scripts/windows_root): the
# libraries once, then the program and its tests in build-windows/, both
# packages in build-windows/packages/, and every test under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

libraries=$(packaging/windows/build_libraries.sh | tail -1)
# rcc writes each resource's time into the program: the last commit's, not
# the checkout's.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -c safe.directory='*' log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
# A build folder made at another commit compiles its resources again.
mkdir -p build-windows
if [[ $(cat build-windows/source-date 2>/dev/null) != "$SOURCE_DATE_EPOCH" ]]; then
  find build-windows -name 'qrc_*.cpp' -delete
  echo "$SOURCE_DATE_EPOCH" >build-windows/source-date
fi
# As the test command does: paths hashed relative to the source folder.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1 CCACHE_IGNOREOPTIONS="-ffile-prefix-map=*"
echo "windows: building the program and its tests in build-windows/"
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=packaging/windows/mingw-w64.cmake \
  -DWELVARO_WINDOWS_LIBRARIES="$libraries" -DCMAKE_PREFIX_PATH="$libraries" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build build-windows --parallel "$(nproc)"
# A fresh Wine prefix for every run.
rm -rf build-windows/wine-prefix
WELVARO_SLOW_TESTS=1 ctest --test-dir build-windows --output-on-failure --no-tests=error
