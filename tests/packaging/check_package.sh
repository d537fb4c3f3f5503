#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks its
# layout, its dependencies and what lintian says of it.
#   check_package.sh <build folder>
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
package=$(find "$scratch/out" -maxdepth 1 -name "welvaro_1.00_*.deb")
[[ -n $package ]] || { echo "no package welvaro_1.00_<arch>.deb was built"; exit 1; }
[[ $(basename "$package") == "welvaro_1.00_$(dpkg --print-architecture).deb" ]]

dpkg-deb -x "$package" "$scratch/root"
expected=(
  usr/bin/welvaro
  usr/share/applications/welvaro.desktop
  usr/share/metainfo/welvaro.metainfo.xml
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

depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libmpfr6 libjpeg62-turbo libc6 qt6-qpa-plugins; do
  [[ $depends == *"$library"* ]] || { echo "Depends lacks $library: $depends"; exit 1; }
done

lintian_output=$(lintian "$package" 2>&1 | grep -v "running with root privileges" || true)
echo "$lintian_output"
if grep -q "^E:" <<<"$lintian_output"; then
  echo "lintian reports errors"
  exit 1
fi
echo "package $(basename "$package") checked"
