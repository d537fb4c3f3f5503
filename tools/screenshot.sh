#!/usr/bin/env bash
# Starts the built program on its own Xvfb display and saves a screenshot of
# its window: tools/screenshot.sh [build folder] [output.png]
# LANG decides the regional notation, as on a desktop.
set -euo pipefail
build=${1:-build}
output=${2:-welvaro.png}
display=:$((90 + RANDOM % 9))

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$program" "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display "$build/ui/welvaro" >/dev/null 2>&1 &
program=$!
window=""
for _ in $(seq 50); do
  window=$(DISPLAY=$display xdotool search --name "Welvaro von Tarsimo" 2>/dev/null | head -1) && [[ -n $window ]] && break
  sleep 0.1
done
[[ -n $window ]] || { echo "screenshot: the window did not appear" >&2; exit 1; }
sleep 0.5
DISPLAY=$display import -window "$window" "$output"
echo "screenshot: $output"
