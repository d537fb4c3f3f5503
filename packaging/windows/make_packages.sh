#!/usr/bin/env bash
# Makes the two Windows packages of a Windows build folder:
#   make_packages.sh BUILD_FOLDER OUTPUT_FOLDER
# welvaro-VERSION-windows-x64.zip, unpacked and run where it lies, and
# welvaro-VERSION-setup.exe, the installer. Every file is dated to the last
# commit (or SOURCE_DATE_EPOCH), so the same commit gives the same bytes.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
output=$(cd "$2" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -c safe.directory="*" -C "$here" log -1 --format=%ct)}

stage=$build/package/Welvaro
rm -rf "$build/package"
cmake --install "$build" --prefix "$stage" --strip >/dev/null
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

zip=$output/welvaro-$version-windows-x64.zip
rm -f "$zip"
# Sorted, without extra attributes, the times written in UTC.
(cd "$build/package" && find Welvaro -type f | LC_ALL=C sort |
  TZ=UTC zip -q -X -D -9 "$zip" -@)

# The uninstaller's list: every file, then every folder, deepest first.
removed=$build/package/files_removed.nsh
(cd "$stage" && {
  find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
  find . -mindepth 1 -type d | LC_ALL=C sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
}) >"$removed"

size_kb=$(du -sk --apparent-size "$stage" | cut -f1)
setup=$output/welvaro-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DNUMERIC_VERSION="${version%%.*}.0.0.0" \
  -DSTAGE="$stage" -DFILES_REMOVED="$removed" -DICON="$here/../../ui/resources/welvaro.ico" \
  -DSIZE_KB="$size_kb" -DOUTFILE="$setup" "$here/welvaro.nsi" >/dev/null
touch -d "@$SOURCE_DATE_EPOCH" "$zip" "$setup"
echo "$zip"
echo "$setup"
