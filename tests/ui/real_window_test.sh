#!/usr/bin/env bash
# Drives the built program in a real X11 window with real input: clicks and
# types with xdotool, reads the result boxes back through the clipboard.
#   real_window_test.sh <welvaro executable>
set -euo pipefail
program=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
for tool in Xvfb xdotool xclip; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# shellcheck source=../../tools/start_xvfb.sh
source "$here/../../tools/start_xvfb.sh"
start_xvfb
pid=""
log=$(mktemp)
scheme=$(mktemp -d)
window_manager=""
trap 'kill $pid $window_manager $xvfb_pid 2>/dev/null || true; rm -rf "$log" "$scheme"' EXIT

failures=0
check() {
  if [[ $2 == "$3" ]]; then
    echo "ok: $1"
  else
    echo "FAIL: $1: expected '$3', got '$2'"
    failures=$((failures + 1))
  fi
}

# Control centres in window coordinates, from the layout's pixel rectangles.
declare -A centre=(
  [TextFreq]="248 60" [CommandFreq]="400 60" [TextFreq2]="552 60"
  [TextWelang]="248 92" [CommandWelang]="400 92" [TextWelang2]="552 92"
)

# start <LANG> [VARIABLE=value...]
start() {
  env LANG="$1" LC_ALL= "${@:2}" "$program" >"$log" 2>&1 &
  pid=$!
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name "^Welvaro von Tarsimo$" 2>/dev/null | head -1 || true)
    [[ -n $window ]] && break
    sleep 0.1
  done
  [[ -n $window ]] || { echo "FAIL: the window did not appear"; cat "$log"; exit 1; }
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
}

click() {
  read -r x y <<<"${centre[$1]}"
  xdotool mousemove $((X + x)) $((Y + y)) click 1
  sleep 0.2
}

box_text() {
  xclip -selection clipboard -i /dev/null >/dev/null 2>&1
  click "$1"
  xdotool key ctrl+a ctrl+c
  sleep 0.2
  xclip -o -selection clipboard 2>/dev/null || true
}

stop() {
  # On a loaded machine without a window manager, a close request sent right
  # after the clipboard read is now and then not acted on (the window stays
  # mapped, the program idle; a second request closes it). So let the program
  # settle, and ask again as a user would click the close box again.
  sleep 1
  local status=0
  for _ in 1 2 3; do
    /usr/bin/python3 "$here/close_window.py" "$window"
    for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null || break
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program is still running after three requests to close its window"
    failures=$((failures + 1))
    kill "$pid"
  fi
  wait "$pid" || status=$?
  check "closing the window ends the program with exit code 0" "$status" 0
  pid=""
}

on_screen() {
  /usr/bin/python3 "$here/check_on_screen.py" "$window" || failures=$((failures + 1))
}

start C.UTF-8
on_screen
click TextFreq
xdotool type --delay 20 "7.1"
xdotool key Return Escape
sleep 0.3
check "Enter and Esc in a text box start nothing" "$(box_text TextFreq2)" ""
click TextFreq
xdotool key Tab space
sleep 0.3
check "Tab, then Space on the button: point locale" "$(box_text TextFreq2)" "42.25 m"
click TextWelang
xdotool type --delay 20 "40"
xdotool key Tab Return
sleep 0.3
check "Tab, then Enter on the button" "$(box_text TextWelang2)" "7.50 MHz"
stop

start de_DE.UTF-8
click TextFreq
xdotool type --delay 20 "7,1"
click CommandFreq
check "click on the button: comma locale" "$(box_text TextFreq2)" "42,25 m"
stop

# The desktop switches from light to dark and back while the program runs, as
# qt6ct does when its configuration changes: in the dark scheme the captions
# over the light picture stay readable, and back in the light one the window
# shows exactly what it showed at first.
if [[ -e $(qtpaths6 --plugin-dir 2>/dev/null)/platformthemes/libqt6ct.so ]]; then
  mkdir -p "$scheme/qt6ct"
  colours="#ffffffff, #ff424245, #ff979797, #ff5e5c5b, #ff302f2e, #ff4a4947, #ffffffff, \
#ffffffff, #ffffffff, #ff3d3d3d, #ff222020, #ffe7e4e0, #ff12608a, #fff9f9f9, #ff0986d3, \
#ffa70b06, #ff5c5b5a, #ffffffff, #ff3f3f36, #ffffffff, #80ffffff"
  printf '[ColorScheme]\nactive_colors=%s\ninactive_colors=%s\ndisabled_colors=%s\n' \
    "$colours" "$colours" "$colours" >"$scheme/dark.conf"
  # Written whole and moved into place, as an editor saves a file.
  use_scheme() {
    printf '[Appearance]\ncolor_scheme_path=%s\ncustom_palette=%s\nstyle=Fusion\n' \
      "$scheme/dark.conf" "$1" >"$scheme/qt6ct/new.conf"
    mv "$scheme/qt6ct/new.conf" "$scheme/qt6ct/qt6ct.conf"
  }
  pixels() { /usr/bin/python3 "$here/window_pixels.py" "$window"; }
  use_scheme false
  start C.UTF-8 QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$scheme"
  light=$(pixels)
  use_scheme true
  # qt6ct rereads its configuration a moment after it changes.
  dark=""
  for _ in $(seq 20); do
    dark=$(pixels)
    grep -qxF -f <(echo "$light") <<<"$dark" || break
    sleep 0.5
  done
  sleep 1
  check "the dark scheme is shown" "$(grep -cxF -f <(echo "$light") <<<"$dark")" 0
  on_screen
  use_scheme false
  # Every grab must match, not just one: a grab can catch the captions while
  # they are being judged again.
  back=""
  for _ in $(seq 20); do
    back=$(pixels)
    [[ $(grep -cxF -f <(echo "$light") <<<"$back") == "$(wc -l <<<"$back")" ]] && break
    sleep 0.5
  done
  check "back in the light scheme, the window as at first" \
    "$(grep -cxF -f <(echo "$light") <<<"$back")" "$(wc -l <<<"$back")"
  stop
else
  echo "SKIP: colour scheme switch: qt6ct is not installed"
fi

# A screen of 800 x 600, narrower than the window, with a window manager
# that frames it: the title bar and the left edge stay on the screen.
kill "$xvfb_pid"
start_xvfb 800x600
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  window_manager=$!
  sleep 1
else
  echo "SKIP: 800x600 without a window manager: openbox is not installed"
fi
start C.UTF-8
sleep 1
on_screen
stop

exit $((failures > 0))
