#!/usr/bin/env bash
# Makes the Windows packages of a build folder and checks them under Wine, on
# an Xvfb display, in a fresh 64-bit prefix: the zip unpacked and run where it
# lies, the installer run silently, the installed program, an upgrade in
# place, and an uninstaller that leaves nothing behind.
#   check_packages.sh BUILD_FOLDER
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
for tool in wine Xvfb xdotool xclip makensis zip unzip; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
mapfile -t packages < <("$here/../../packaging/windows/make_packages.sh" "$build" "$build/packages")
zip=${packages[0]} setup=${packages[1]}
echo "made ${zip##*/} and ${setup##*/}"

# shellcheck source=../../tools/start_xvfb.sh
source "$here/../../tools/start_xvfb.sh"
start_xvfb
export WINEPREFIX=$build/wine-packages WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
wineboot --init >/dev/null 2>&1
# Windows' dialog font is Tahoma or Segoe UI, which Wine lacks; without this,
# Qt's dialogs would fall back to a serif face.
for face in "MS Shell Dlg" "MS Shell Dlg 2"; do
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v "$face" /d "Liberation Sans" /f >/dev/null 2>&1
done
wineserver -w

# shellcheck source=../check.sh
source "$here/../check.sh"
# Every file and registry entry of the prefix, to compare before and after.
state() {
  wineserver -w
  (cd "$WINEPREFIX" && find drive_c -path 'drive_c/users/*/Temp' -prune -o -print | LC_ALL=C sort)
  grep -h '^\[' "$WINEPREFIX"/{system,user}.reg | sed 's/\] [0-9]*$/]/' | LC_ALL=C sort
}
window_test() {
  echo "== $1"
  # Wine's clipboard and desktop process serves the display it started on:
  # every process of the prefix ends first, so that it starts on the test's.
  wineserver -w
  "$here/../ui/real_window_test.sh" --wine "$2" || failures=$((failures + 1))
}

portable=$WINEPREFIX/drive_c/users/Public/Welvaro-portable
unzip -q "$zip" -d "$portable"
window_test "the zip, unpacked" "$portable/Welvaro/welvaro.exe"
rm -rf "$portable"

before=$(state)
wine "$setup" /S
wineserver -w
installed=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/Welvaro' -type d)
check "the installer installs for the current user" "$(ls "$installed/welvaro.exe" 2>&1)" \
  "$installed/welvaro.exe"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Welvaro'
check "it is in the list of installed apps with its version" \
  "$(wine reg query "$key" /v DisplayVersion 2>/dev/null | grep -o '1\.[0-9]*' || true)" \
  "$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
check "it has a Start-menu entry" \
  "$(find "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/Welvaro.lnk' | wc -l)" 1
window_test "the installed program" "$installed/welvaro.exe"

files=$(cd "$installed" && find . | LC_ALL=C sort)
wine "$setup" /S
wineserver -w
check "installed again over itself, the same files" "$(cd "$installed" && find . | LC_ALL=C sort)" \
  "$files"

wine "$installed/uninstall.exe" /S
wineserver -w
check "the uninstaller leaves nothing behind" "$(diff <(echo "$before") <(state) || true)" ""
exit $((failures > 0))
