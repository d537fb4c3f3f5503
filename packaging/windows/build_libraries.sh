#!/usr/bin/env bash
# Builds GMP, MPFR and Qt's base module for Windows x86-64 from Debian's own
# source packages, as shared libraries (users may replace them as their
# licences allow), with only what Welvaro uses. Runs in the Windows tool-chain
# root (scripts/windows_root). The result is kept in
# /var/cache/welvaro-windows/libraries/<key>, the key naming the source and
# compiler versions and a hash of the options below and the tool-chain file,
# so it is built once per machine. Prints the folder on its last line.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
triplet=x86_64-w64-mingw32

autotools_options=(--host=$triplet --enable-shared --disable-static CC=$triplet-gcc-posix)
# Qt's base module, cross-built with the root's packaged host tools of the
# same version. Off: the modules and features Welvaro never uses.
qt_features_off=(sql network dbus opengl printsupport testlib xml concurrent tabletevent
                 freetype harfbuzz zstd vulkan imageformat_bmp imageformat_ppm imageformat_xbm
                 gif ico)
qt_options=(-G Ninja -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake"
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
            -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF
            -DQT_BUILD_TESTS=OFF -DQT_UNITY_BUILD=ON -DQT_QMAKE_TARGET_MKSPEC=win32-g++
            -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
            -DFEATURE_system_pcre2=OFF -DFEATURE_jpeg=ON -DFEATURE_png=ON
            -DFEATURE_accessibility=ON -DINPUT_opengl=no)
for feature in "${qt_features_off[@]}"; do qt_options+=("-DFEATURE_$feature=OFF"); done

source_version() { apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -V | tail -1; }
options_hash=$({ printf '%s\n' "${autotools_options[@]}" "${qt_options[@]}"
                 cat "$here/mingw-w64.cmake"; } | sha256sum | cut -c1-12)
key="qt6-base_$(source_version qt6-base)_gmp_$(source_version gmp)_mpfr4_$(source_version mpfr4)"
key="${key}_gcc_$(dpkg-query -W -f='${Version}' gcc-mingw-w64-x86-64-posix-runtime)_$options_hash"
key=${key//[^A-Za-z0-9._-]/-}
prefix=/var/cache/welvaro-windows/libraries/$key
say() { echo "build_libraries: $(date +%T) $*" >&2; }
if [[ -e $prefix/.complete && -e $prefix/licenses/.complete ]]; then
  say "kept from an earlier build in $prefix"
  echo "$prefix"
  exit 0
fi

work=$(mktemp -d /tmp/welvaro-libraries.XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"
# No build folder in the binaries.
export CFLAGS="-ffile-prefix-map=$work=." CXXFLAGS="-ffile-prefix-map=$work=."

# Debian's source packages, with Debian's patches where the mirror has them;
# a mirror that lacks a package's Debian part still gives its upstream source.
fetch_source() {
  mkdir "$1" && cd "$1"
  apt-get source -qq --download-only "$1" >/dev/null 2>&1 || true
  if ! dpkg-source -x ./*.dsc source >/dev/null 2>&1; then
    say "$1: Debian's part of the source is missing on the mirror; using the upstream source"
    rm -rf source && mkdir source
    tar -xf ./*.orig.tar.* -C source --strip-components=1
  fi
  cd ..
}
say "fetching the sources of qt6-base, gmp and mpfr4"
for package in qt6-base gmp mpfr4; do fetch_source "$package"; done

# What the packages carry of each licence: the sources' licence texts and
# Debian's record of every file's copyright, and for the MinGW-w64 runtime
# (libstdc++, libgcc, winpthreads) Debian's records.
collect_licences() {
  local licences=$prefix/licenses
  rm -rf "$licences"
  mkdir -p "$licences"/{Qt,GMP,MPFR,MinGW-w64}
  cp qt6-base/source/LICENSES/* "$licences/Qt/"
  cp gmp/source/COPYING* "$licences/GMP/"
  cp mpfr4/source/COPYING* "$licences/MPFR/"
  local package
  for package in Qt:qt6-base GMP:gmp MPFR:mpfr4; do
    [[ -e ${package#*:}/source/debian/copyright ]] &&
      cp "${package#*:}/source/debian/copyright" "$licences/${package%%:*}/debian-copyright"
  done
  cp /usr/share/doc/gcc-mingw-w64-base/copyright "$licences/MinGW-w64/gcc-runtime-copyright"
  cp /usr/share/doc/mingw-w64-common/copyright "$licences/MinGW-w64/mingw-w64-copyright"
  touch "$licences/.complete"
}
if [[ -e $prefix/.complete ]]; then
  collect_licences
  echo "$prefix"
  exit 0
fi
rm -rf "$prefix"
mkdir -p "$prefix"

# Debian's GMP source leaves out the manual, whose makefile the shipped
# configure still writes; Debian regenerates the build files, we give the
# folder a makefile that does nothing.
without_manual() {
  [[ -e doc/Makefile.in ]] && return 0
  mkdir -p doc
  printf '%%:\n\t@:\n' >doc/Makefile.in
}

autotools_build() {
  CFLAGS="-O2 $CFLAGS" ./configure -q --prefix="$prefix" "${autotools_options[@]}" "$@" >/dev/null
  make -s -j"$(nproc)" >/dev/null
  make -s install >/dev/null
}

say "building GMP"
(cd gmp/source && without_manual && autotools_build)
say "building MPFR"
(cd mpfr4/source && without_manual && autotools_build --with-gmp="$prefix")

say "building Qt"
cmake -S qt6-base/source -B qt-build -DCMAKE_INSTALL_PREFIX="$prefix" "${qt_options[@]}" \
  >"$work/qt-configure.log" 2>&1 || { tail -50 "$work/qt-configure.log" >&2; exit 1; }
cmake --build qt-build --parallel "$(nproc)" >"$work/qt-build.log" 2>&1 ||
  { grep -B2 -A20 -m3 "FAILED\|error:" "$work/qt-build.log" >&2; exit 1; }
cmake --install qt-build >/dev/null

collect_licences
touch "$prefix/.complete"
say "done"
echo "$prefix"
