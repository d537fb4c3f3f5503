#!/usr/bin/env bash
# Starts the built program on its own Xvfb display and saves a screenshot of
# its window: tools/screenshot.sh [build folder] [output.png]
# LANG decides the regional notation, as on a desktop.
set -euo pipefail
build=${1:-build}
output=${2:-welvaro.png}
for tool in Xvfb xauth xdotool import; do
  command -v "$tool" >/dev/null ||
    { echo "screenshot: needs the Debian packages xvfb xauth xdotool imagemagick" >&2; exit 1; }
done
[[ -x $build/ui/welvaro ]] ||
  { echo "screenshot: no program in $build; scripts/quickstart run builds it" >&2; exit 1; }
# shellcheck source=start_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/start_xvfb.sh"
start_xvfb
program=""
trap 'kill $program "$xvfb_pid" 2>/dev/null || true' EXIT
"$build/ui/welvaro" >/dev/null 2>&1 &
program=$!
window=$(wait_for_window "Welvaro von Tarsimo" 10 "$program") ||
  { echo "screenshot: the window did not appear" >&2; exit 1; }
# Shown is not yet painted: the first frame follows the map.
sleep 0.5
import -window "$window" "$output"
echo "screenshot: $output"
