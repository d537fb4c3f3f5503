#!/usr/bin/env bash
# Starts the built program under Xvfb with an AT-SPI bus and asks
# check_screen_reader.py what a screen reader would find:
#   tools/check_screen_reader.sh [build folder]
set -euo pipefail
build=$(realpath "${1:-build}")
tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=start_xvfb.sh
source "$tools/start_xvfb.sh"
start_xvfb
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
dbus-run-session -- bash -c "
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 '$build/ui/welvaro' >/dev/null 2>&1 &
  program=\$!
  sleep 2
  /usr/bin/python3 '$tools/check_screen_reader.py'
  status=\$?
  kill \$program
  exit \$status
"
