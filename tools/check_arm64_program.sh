#!/usr/bin/env bash
# Builds the whole program with its tests for arm64 on a Debian 12 amd64
# machine and runs the tests through qemu, as root:
#   tools/check_arm64_program.sh [build folder]
# WELVARO_SLOW_TESTS=1 adds the slow tests (real window, package), which need
# the packages that scripts/quickstart test installs.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$top/build-arm64}

# The arm64 libraries install beside the native ones; Qt's code generators
# (moc, rcc, uic) stay native.
packages=(cmake make dpkg-dev g++-aarch64-linux-gnu qemu-user-static binfmt-support
          qt6-base-dev qt6-translations-l10n fonts-liberation
          qt6-base-dev:arm64 qt6-qpa-plugins:arm64 libmpfr-dev:arm64
          libgtest-dev:arm64)
dpkg --add-architecture arm64
apt-get -o DPkg::Lock::Timeout=900 update -qq
DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq \
  --no-install-recommends "${packages[@]}"

# ctest runs the test programs through qemu itself; the scripts among the
# tests start the program directly, which needs the kernel to hand arm64
# programs to qemu.
if [[ ! -e /proc/sys/fs/binfmt_misc/status ]]; then
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc || true
fi
update-binfmts --enable qemu-aarch64 2>/dev/null || true
[[ -e /proc/sys/fs/binfmt_misc/qemu-aarch64 ]] ||
  echo "check_arm64_program: arm64 programs cannot be started directly; the slow tests will fail" >&2

cmake -S "$top" -B "$build" --toolchain "$top/tools/aarch64-linux-gnu.cmake" \
  -DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
ctest --test-dir "$build" --output-on-failure --no-tests=error --parallel "$(nproc)"
