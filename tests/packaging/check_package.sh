#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks its
# layout, its version, its dependencies and what lintian says of it.
#   check_package.sh <build folder> <version>
set -euo pipefail
build=$1 version=$2
for tool in cpack dpkg-deb dpkg-shlibdeps lintian readelf; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
# The architecture is the program's, which differs from this machine's in a
# cross build; lintian checks that the two agree.
packages=("$scratch"/out/welvaro_"${version}"_*.deb)
[[ ${#packages[@]} -eq 1 && -f ${packages[0]} ]] ||
  { echo "expected one package welvaro_${version}_<architecture>.deb, got: ${packages[*]}"; exit 1; }
package=${packages[0]}

dpkg-deb -x "$package" "$scratch/root"
expected=(
  usr/bin/welvaro
  usr/share/applications/welvaro.desktop
  usr/share/metainfo/org.tarsimo.welvaro.metainfo.xml
  usr/share/icons/hicolor/16x16/apps/welvaro.png
  usr/share/icons/hicolor/32x32/apps/welvaro.png
  usr/share/icons/hicolor/48x48/apps/welvaro.png
  usr/share/icons/hicolor/256x256/apps/welvaro.png
  usr/share/icons/hicolor/scalable/apps/welvaro.svg
  usr/share/man/man1/welvaro.1.gz
  usr/share/man/de/man1/welvaro.1.gz
  usr/share/doc/welvaro/copyright
  usr/share/doc/welvaro/changelog.gz
)
for file in "${expected[@]}"; do
  [[ -f $scratch/root/$file ]] || { echo "missing in the package: $file"; exit 1; }
done
[[ -x $scratch/root/usr/bin/welvaro ]]
if readelf -d "$scratch/root/usr/bin/welvaro" | grep -E "RPATH|RUNPATH"; then
  echo "the installed program must not carry a library search path"
  exit 1
fi

# The version of the project reaches the metadata; the changelog's newest
# entry must name it.
grep -q "<release version=\"$version\"" "$scratch/root/usr/share/metainfo/org.tarsimo.welvaro.metainfo.xml" ||
  { echo "the metainfo does not name version $version"; exit 1; }
for page in usr/share/man/man1/welvaro.1.gz usr/share/man/de/man1/welvaro.1.gz; do
  zcat "$scratch/root/$page" | sed -n 1p | grep -q "\"Welvaro $version\"" ||
    { echo "$page does not name version $version"; exit 1; }
done
zcat "$scratch/root/usr/share/doc/welvaro/changelog.gz" | sed -n 1p | grep -q "^welvaro ($version)" ||
  { echo "the changelog's newest entry is not version $version"; exit 1; }

depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libmpfr6 libc6 qt6-qpa-plugins; do
  [[ $depends == *"$library"* ]] || { echo "Depends lacks $library: $depends"; exit 1; }
done

lintian_output=$(lintian "$package" 2>&1 | grep -v "running with root privileges" || true)
echo "$lintian_output"
# Clean means no error and no warning; the notes (I:) are lintian's suggestions.
if grep -q "^[EW]:" <<<"$lintian_output"; then
  echo "lintian reports errors or warnings"
  exit 1
fi
echo "package $(basename "$package") checked"
