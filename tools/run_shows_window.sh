#!/usr/bin/env bash
# Runs a command that ends in the program, such as `scripts/quickstart run`, on
# an Xvfb display of its own and waits until the program's window is shown:
#   tools/run_shows_window.sh COMMAND [ARGUMENT...]
set -euo pipefail
# shellcheck source=start_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/start_xvfb.sh"
start_xvfb
log=$(mktemp)
program=""
trap 'kill $program "$xvfb_pid" 2>/dev/null || true; rm -f "$log"' EXIT
"$@" >"$log" 2>&1 &
program=$!
# Long enough for a command that builds first.
if wait_for_window "Welvaro von Tarsimo" 600 "$program" >/dev/null; then
  echo "run_shows_window: $* shows the window"
  exit 0
fi
cat "$log"
echo "run_shows_window: $* showed no window" >&2
exit 1
