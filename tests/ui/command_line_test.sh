#!/usr/bin/env bash
# The program's command line, run as a user runs it, with and without a
# display: what it prints where, and its exit code.
#   command_line_test.sh <welvaro executable>
set -uo pipefail
program=$1
out=$(mktemp)
err=$(mktemp)
runtime=$(mktemp -d)
trap 'rm -rf "$out" "$err" "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
failures=0

# case <what> <exit code> <stdout pattern> <stderr pattern> <stderr lines> -- <env and arguments>
# A pattern of "" wants the stream empty; "*" takes anything. A line count of
# "*" takes any.
case_() {
  local what=$1 status=$2 stdout=$3 stderr=$4 lines=$5
  shift 6
  local got=0
  env -u DISPLAY -u WAYLAND_DISPLAY "$@" >"$out" 2>"$err" || got=$?
  local problems=()
  [[ $got == "$status" ]] || problems+=("exit code $got, not $status")
  if [[ $stdout == "" ]]; then
    [[ ! -s $out ]] || problems+=("printed on standard output")
  elif [[ $stdout != "*" ]]; then
    grep -qE -- "$stdout" "$out" || problems+=("standard output lacks /$stdout/")
  fi
  if [[ $stderr == "" ]]; then
    [[ ! -s $err ]] || problems+=("printed on standard error")
  elif [[ $stderr != "*" ]]; then
    grep -qE -- "$stderr" "$err" || problems+=("standard error lacks /$stderr/")
  fi
  if [[ $lines != "*" && $(wc -l <"$err") != "$lines" ]]; then
    problems+=("$(wc -l <"$err") lines on standard error, not $lines")
  fi
  if ((${#problems[@]})); then
    echo "FAIL: $what: ${problems[*]}"
    sed 's/^/  stdout: /' "$out" | head -5
    sed 's/^/  stderr: /' "$err" | head -5
    failures=$((failures + 1))
  else
    echo "ok: $what"
  fi
}

usage='^Usage: .*welvaro \[options\]'
case_ "--help without a display" 0 "$usage" "" 0 -- "$program" --help
case_ "-h lists --version" 0 "--version" "" 0 -- "$program" -h
case_ "--help-all" 0 "$usage" "" 0 -- "$program" --help-all
case_ "--version without a display" 0 "^Welvaro 1\.00$" "" 0 -- "$program" --version
case_ "-v after a Qt option" 0 "^Welvaro 1\.00$" "" 0 -- "$program" -platform offscreen -v
case_ "an unknown option" 1 "" "^welvaro: Unknown option 'frobnicate'\.$" 1 -- \
  QT_QPA_PLATFORM=offscreen "$program" --frobnicate
case_ "an unknown single-dash option beside Qt's own" 1 "" "Unknown option 'colour'" 1 -- \
  "$program" -platform offscreen -colour
case_ "an argument the program does not take" 1 "" "^welvaro: Unexpected argument 'x'\.$" 1 -- \
  QT_QPA_PLATFORM=offscreen "$program" x
case_ "no display: one line, no abort" 1 "" "^welvaro: cannot open a window: .*display" 1 -- \
  QT_QPA_PLATFORM=xcb "$program"
case_ "no such platform: one line, no abort" 1 "" "^welvaro: cannot open a window: .*nowhere" 1 -- \
  "$program" -platform nowhere
case_ "no display: an unknown option named" 1 "" "^welvaro: Unknown option 'no-such-option'\.$" 1 -- \
  QT_QPA_PLATFORM=xcb "$program" --no-such-option
case_ "no display: an unknown option beside Qt's own named" 1 "" "^welvaro: Unknown option 'frob'\.$" 1 -- \
  "$program" -platform xcb --style=fusion -qwindowtitle "a title" -reverse -frob
case_ "no display: an argument the program does not take named" 1 "" \
  "^welvaro: Unexpected argument 'x'\.$" 1 -- QT_QPA_PLATFORM=xcb "$program" x
case_ "no display: Qt's own options alone, no window" 1 "" "^welvaro: cannot open a window: " 1 -- \
  "$program" -platform xcb -style fusion --qwindowgeometry 100x100 -widgetcount
# Qt's own options still reach Qt: the program runs until it is stopped.
case_ "-platform offscreen starts the window" 124 "" "*" "*" -- \
  timeout 3 "$program" -platform offscreen -reverse
grep -q "Unknown option" "$err" && { echo "FAIL: Qt's own options reported as unknown"; failures=$((failures + 1)); }

exit $((failures > 0))
