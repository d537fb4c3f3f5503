#!/usr/bin/env bash
# Drives the built program in a real X11 window with real input: clicks and
# types with xdotool, reads the result boxes back through the clipboard.
# Every step waits for what it expects to see, never for a fixed time.
#   real_window_test.sh [--wine] <welvaro executable>
# With --wine the program is the Windows build, started by Wine in the prefix
# the environment names; what only a Linux desktop does (qt6ct's schemes, an
# X11 window manager's frame) is left to the Linux build.
set -euo pipefail
launcher=() point_locale=C.UTF-8 frame=()
if [[ $1 == --wine ]]; then
  # Wine takes its regions from the Unix locale names, which C is none of,
  # and draws the window's frame itself, out of X's sight.
  launcher=(wine) point_locale=en_US.UTF-8 frame=(--unframed)
  shift
fi
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

# shellcheck source=../check.sh
source "$here/../check.sh"

# Control centres in window coordinates, from the layout's pixel rectangles.
declare -A centre=(
  [TextFreq]="248 60" [CommandFreq]="400 60" [TextFreq2]="552 60"
  [TextWelang]="248 92" [CommandWelang]="400 92" [TextWelang2]="552 92"
  [CommandLoopInduk]="104 468"
)

# Under AddressSanitizer, LeakSanitizer's own tracer now and then crashes as
# the real program ends ("Tracer caught signal 11"), with GCC 12 and clang 14
# alike; the leak rules are checked by every other test of that build.
leak_check=()
[[ -n ${ASAN_OPTIONS:-} ]] && leak_check=(ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0")

# start <LANG> [VARIABLE=value...]
start() {
  xdotool mousemove 0 0
  env LANG="$1" LC_ALL= "${leak_check[@]}" "${@:2}" "${launcher[@]}" "$program" >"$log" 2>&1 &
  pid=$!
  window=$(wait_for_window "Welvaro von Tarsimo" 30 "$pid") ||
    { echo "FAIL: the window did not appear"; cat "$log"; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$window")"
}

click() {
  read -r x y <<<"${centre[$1]}"
  xdotool mousemove $((X + x)) $((Y + y)) click 1
}

# copied <key>...: what the keys copy to the clipboard. X delivers the input
# in order, so the copy has happened once the clipboard no longer holds the
# mark put there before; nothing read here is empty.
unread="(not yet copied)"
copied() {
  echo -n "$unread" | xclip -selection clipboard -i >/dev/null 2>&1
  xdotool key "$@"
  local text=$unread started=$SECONDS
  while [[ $text == "$unread" ]] && ((SECONDS - started < 10)); do
    sleep 0.05
    text=$(xclip -o -selection clipboard 2>/dev/null || true)
  done
  echo "$text"
}

# The text of a box, copied through the clipboard.
box_text() {
  click "$1"
  copied ctrl+a ctrl+c
}

# expect_box <what> <box> <text>: waits until the box shows the text.
expect_box() {
  local text started=$SECONDS
  text=$(box_text "$2")
  while [[ $text != "$3" ]] && ((SECONDS - started < 10)); do
    sleep 0.1
    text=$(box_text "$2")
  done
  check "$1" "$text" "$3"
}

# The keyboard to a dialog: a window manager activates it, without one it is
# given the focus.
focus() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null ||
    true
}

# Waits until a closed dialog is no longer shown: the next one has the same title.
wait_until_gone() {
  local started=$SECONDS
  while xdotool search --onlyvisible --name "^Welvaro\$" 2>/dev/null | grep -qx "$1" &&
    ((SECONDS - started < 10)); do
    sleep 0.05
  done
}

# expect_message <what> <text>: waits for a message box, checks the text it
# copies with Ctrl+C and closes it with Enter.
expect_message() {
  local message
  message=$(wait_for_window Welvaro 30 "$pid") || { check "$1" "(no message)" "$2"; return; }
  focus "$message"
  check "$1" "$(copied ctrl+c)" "$2"
  xdotool key Return
  wait_until_gone "$message"
}

# answer_prompt <text>: types the text into the prompt that opens next.
answer_prompt() {
  local prompt
  prompt=$(wait_for_window Welvaro 30 "$pid") || return 0
  focus "$prompt"
  xdotool type "$1"
  xdotool key Return
  wait_until_gone "$prompt"
}

stop() {
  # Without a window manager, a close request sent right after the clipboard
  # read is now and then not acted on (the window stays mapped, the program
  # idle); a second request closes it, as a user would click the close box
  # again.
  local status=0
  for _ in 1 2 3; do
    /usr/bin/python3 "$here/close_window.py" "$window"
    for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$pid" 2>/dev/null || break
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program is still running after three requests to close its window"
    failures=$((failures + 1))
    kill "$pid"
  fi
  wait "$pid" || status=$?
  check "closing the window ends the program with exit code 0" "$status" 0
  ((status == 0)) || cat "$log"
  pid=""
}

# Waits until the window is painted and placed as it should be, then reports
# what check_on_screen.py found.
on_screen() {
  local report started=$SECONDS
  until report=$(/usr/bin/python3 "$here/check_on_screen.py" "${frame[@]}" "$window") ||
    ((SECONDS - started >= 10)); do
    sleep 0.1
  done
  echo "$report"
  grep -q "^FAIL" <<<"$report" && failures=$((failures + 1))
  return 0
}

start "$point_locale"
on_screen
# A mark in the result box, which a calculation would replace.
click TextFreq2
xdotool type "-"
click TextFreq
xdotool type "7.1"
xdotool key Return Escape
click TextWelang
xdotool type "40"
xdotool key Tab Return
expect_box "Tab, then Enter on the button" TextWelang2 "7.50 MHz"
check "Enter and Esc in a text box start nothing" "$(box_text TextFreq2)" "-"
click TextFreq
xdotool key Tab space
expect_box "Tab, then Space on the button: point locale" TextFreq2 "42.25 m"
stop

start de_DE.UTF-8
click TextFreq
xdotool type "7,1"
click CommandFreq
expect_box "click on the button: comma locale" TextFreq2 "42,25 m"
click TextFreq
xdotool key ctrl+a
xdotool type "abc"
click CommandFreq
expect_message "a text that is no number warns" "Bitte gib eine gültige Frequenz in Megahertz ein."
click CommandLoopInduk
answer_prompt 1000
answer_prompt 20
expect_message "a dialog calculator answers" "Die Induktivität der Loop-Antenne beträgt: 2,508 µH"
stop

if ((${#launcher[@]})); then
  exit $((failures > 0))
fi

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
  on_screen
  light=$(pixels)
  use_scheme true
  # qt6ct rereads its configuration a moment after it changes.
  dark=""
  for _ in $(seq 20); do
    dark=$(pixels)
    grep -qxF -f <(echo "$light") <<<"$dark" || break
  done
  check "the dark scheme is shown" "$(grep -cxF -f <(echo "$light") <<<"$dark")" 0
  on_screen
  use_scheme false
  # Every grab must match, not just one: a grab can catch the captions while
  # they are being judged again.
  back=""
  for _ in $(seq 20); do
    back=$(pixels)
    [[ $(grep -cxF -f <(echo "$light") <<<"$back") == "$(wc -l <<<"$back")" ]] && break
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
  /usr/bin/python3 "$here/wait_for_window_manager.py"
else
  echo "SKIP: 800x600 without a window manager: openbox is not installed"
fi
start "$point_locale"
on_screen
stop

exit $((failures > 0))
