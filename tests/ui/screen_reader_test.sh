#!/usr/bin/env bash
# Listens to the program as a blind user does: Debian's Orca reads the window
# on an Xvfb display of its own and speaks through speech-dispatcher's dummy
# output; what it says is read from its debug log (its SPEECH OUTPUT lines).
#   screen_reader_test.sh <welvaro executable>
# Each run has its own D-Bus session, AT-SPI bus, speech-dispatcher and Orca.
set -uo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../../tools/start_xvfb.sh
source "$here/../../tools/start_xvfb.sh"

if [[ ${2:-} != --in-session ]]; then
  for tool in orca speech-dispatcher dbus-run-session Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
  [[ -x /usr/lib/speech-dispatcher-modules/sd_dummy ]] ||
    { echo "SKIP: speech-dispatcher's dummy output module is not installed"; exit 77; }
  start_xvfb
  # The session's own daemons talk on standard error; shown when it fails.
  daemons=$(mktemp)
  trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$daemons"' EXIT
  status=0
  env -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u AT_SPI_BUS_ADDRESS \
    dbus-run-session -- "$0" "$program" --in-session 2>"$daemons" || status=$?
  ((status == 0 || status == 77)) || sed 's/^/  stderr: /' "$daemons" | tail -20
  exit "$status"
fi

work=$(mktemp -d)
log=$work/orca.log
orca_pid="" speechd_pid="" program_pid="" clipboard_pid=""
stop() {
  # Orca refuses to start while another of the user's runs, a zombie included:
  # each process is waited for. Orca now and then ignores the request to end.
  local pid watchdog
  for pid in $program_pid $orca_pid $speechd_pid $clipboard_pid; do
    kill "$pid" 2>/dev/null || continue
    (sleep 5 && kill -KILL "$pid") >/dev/null 2>&1 &
    watchdog=$!
    wait "$pid" 2>/dev/null
    kill "$watchdog" 2>/dev/null
  done
  rm -rf "$work"
}
trap stop EXIT

export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config
export XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache GSETTINGS_BACKEND=memory
export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset LANGUAGE
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" \
  "$work/speechd" "$work/python"
chmod 700 "$XDG_RUNTIME_DIR"

failures=0
fail() {
  echo "FAIL: $1"
  failures=$((failures + 1))
}

# What Orca has said since line $1 of its log, one utterance a line.
said_since() {
  tail -n +"$(($1 + 1))" "$log" | grep -a "SPEECH OUTPUT: " |
    sed -E "s/^.*SPEECH OUTPUT: ['\"]//; s/['\"](\\[?\\{.*| .*)?\$//"
}
lines() { wc -l <"$log"; }
# said_once <since line> <text>...: each text in one utterance only.
said_once() {
  local since=$1 text times
  shift
  for text in "$@"; do
    times=$(said_since "$since" | grep -cF -- "$text")
    ((times == 1)) || fail "'$text' was said $times times, not once"
  done
}

# hear <what> <since line> <text>...: waits until Orca has said every text
# (each a part of one utterance) since that line, for ten seconds at most.
hear() {
  local what=$1 since=$2 text missing
  shift 2
  for _ in $(seq 100); do
    missing=()
    for text in "$@"; do
      said_since "$since" | grep -qF -- "$text" || missing+=("$text")
    done
    ((${#missing[@]} == 0)) && { echo "ok: $what"; return 0; }
    sleep 0.1
  done
  fail "$what: not heard: ${missing[*]}"
  said_since "$since" | sed 's/^/  heard: /' | tail -15
  # What Orca did meanwhile: the keys and events it took, and what it ignored.
  tail -n +"$((since + 1))" "$log" | grep -a -E "PROCESS .*KEY_PRESSED|OBJECT EVENT|Ignoring" |
    grep -av '^^^^^^' | cut -c1-160 | tail -30 | sed 's/^/  orca: /'
  return 1
}

# Waits until no message or prompt, each titled "Welvaro", is left open.
wait_until_messages_closed() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^Welvaro$" >/dev/null 2>&1 || break
    sleep 0.1
  done
}

# The processor time the program and Orca have used, in ticks of 10 ms.
processor_ticks() {
  cat "/proc/$program_pid/stat" "/proc/$orca_pid/stat" | awk '{ sum += $14 + $15 } END { print sum }'
}

# Waits until the program and Orca have used less than a tenth of a core for
# half a second, for ten seconds at most.
wait_until_idle() {
  local before
  for _ in $(seq 20); do
    before=$(processor_ticks)
    sleep 0.5
    (($(processor_ticks) - before < 5)) && return
  done
}

# word_key <arrow>: Ctrl and the arrow, with Ctrl held until Orca has said
# the word of the box's text "1234567 1234567 ...": Orca takes a move for a
# word's only while Ctrl is down, and in a long text the move comes late.
word_key() {
  local mark
  mark=$(lines)
  xdotool keydown ctrl key "$1"
  hear "Ctrl+$1 in 2 MB: the word" "$mark" "1234567"
  xdotool keyup ctrl
}

# Without a window manager nobody gives the window the keyboard back once a
# message has gone.
back_to_window() {
  wait_until_messages_closed
  xdotool windowfocus --sync "$window"
}

# press <key>...: keys as xdotool names them, at a brisk typist's pace: keys
# sent back to back are now and then lost between Orca and the AT-SPI registry.
# "ctrl+Left" holds Control while Orca hears the arrow, as a hand does, so
# that it takes the move for a word's.
press() {
  local key
  for key in "$@"; do
    case $key in
      ctrl+shift+*) xdotool keydown ctrl+shift key "${key#ctrl+shift+}" sleep 0.3 keyup ctrl+shift ;;
      ctrl+*) xdotool keydown ctrl key "${key#ctrl+}" sleep 0.3 keyup ctrl ;;
      *) xdotool key "$key" sleep 0.1 ;;
    esac
  done
}

# started_writing <file> <text> <pid> <seconds>: waits until the process has
# written the text into the file, for the seconds at most or until it ends.
started_writing() {
  for _ in $(seq "$(($4 * 10))"); do
    grep -q -- "$2" "$1" && return 0
    kill -0 "$3" 2>/dev/null || break
    sleep 0.1
  done
  grep -q -- "$2" "$1"
}

cat >"$work/speechd/speechd.conf" <<'EOF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "alsa"
AudioALSADevice "null"
EOF
socket=$XDG_RUNTIME_DIR/speechd.sock
speech-dispatcher --run-single --timeout 0 --config-dir "$work/speechd" \
  --communication-method unix_socket --socket-path "$socket" >"$work/speechd.out" 2>&1 &
speechd_pid=$!
export SPEECHD_ADDRESS=unix_socket:$socket
for _ in $(seq 100); do [[ -S $socket ]] && break; sleep 0.1; done
[[ -S $socket ]] || { echo "FAIL: speech-dispatcher did not start"; cat "$work/speechd.out"; exit 1; }

# Orca writes its debug log through a buffer and flushes it seldom. Orca is
# Python, its launcher included, so however a release opens the log, Python's
# open() does it: this one opens it line-buffered.
cat >"$work/python/sitecustomize.py" <<'EOF'
import builtins, io, os

_log = os.environ["WELVARO_ORCA_LOG"]
_open = builtins.open


def _open_log_line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if isinstance(file, str) and "w" in mode and os.path.abspath(file) == _log:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)


builtins.open = io.open = _open_log_line_buffered
EOF
: >"$log"
WELVARO_ORCA_LOG=$log PYTHONPATH=$work/python \
  orca --disable=key-echo --debug-file="$log" >"$work/orca.out" 2>&1 &
orca_pid=$!
if ! started_writing "$log" "SPEECH OUTPUT" "$orca_pid" 20; then
  if grep -qi "already running" "$work/orca.out"; then
    echo "SKIP: another Orca runs for this user, and Orca starts only once: $(head -1 "$work/orca.out")"
    exit 77
  fi
  echo "FAIL: Orca did not start"
  cat "$work/orca.out"
  tail -20 "$log"
  exit 1
fi

mark=$(lines)
# In the sanitizer build, the leak rule for Qt's copies of key events matches a
# frame that only the slow unwinder finds (tests/sanitizers/lsan.supp); it is
# the third, and ten frames keep the unwinding from slowing every allocation.
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0:malloc_context_size=10 \
  "$program" >"$work/program.out" 2>&1 &
program_pid=$!
window=$(wait_for_window "Welvaro von Tarsimo" 20 "$program_pid") ||
  { echo "FAIL: the window did not appear"; cat "$work/program.out"; exit 1; }
xdotool windowfocus --sync "$window"
hear "start: the focus in the first box" "$mark" "Frequenz in MHz" \
  "Eingabe der Frequenz in Megahertz"

# Once round the window. Each control is known by its name, what Orca says
# first of it; no two may sound the same.
declare -a names=(
  "Wellenlänge" "Wellenlänge, Ergebnis" "Wellenlänge in Meter" "Frequenz" "Frequenz, Ergebnis"
  "Dipol: Frequenz in MHz" "Drahtdicke in mm" "Berechne" "Gesamtlänge ohne Korrektur, Ergebnis"
  "Gesamtlänge mit Korrektur, Ergebnis" "Spule berechnen" "Resonanzfrequenz" "Loop berechnen"
  "Frequenz in MHz")
declare -A heard_as=()
for i in "${!names[@]}"; do
  mark=$(lines)
  press Tab
  # The name decides; Orca 48 now and then leaves a description out.
  hear "Tab $((i + 1)) reaches ${names[i]}" "$mark" "${names[i]} " || continue
  first=$(said_since "$mark" | awk -v name="${names[i]} " 'index($0, name) == 1 { print; exit }')
  [[ -n $first ]] || fail "Tab $((i + 1)): no utterance begins with the name '${names[i]}'"
  [[ -z ${heard_as[$first]:-} ]] || fail "'${names[i]}' sounds like '${heard_as[$first]}': '$first'"
  heard_as[$first]=${names[i]}
done

mark=$(lines)
press a b c Tab Return
# Its OK button read, the warning has the keyboard.
hear "a bad entry: the warning" "$mark" "Bitte gib eine gültige Frequenz in Megahertz ein." "OK"
mark=$(lines)
press Return
back_to_window
hear "the warning closed: back on the button" "$mark" "Berechnet die Wellenlänge aus der Frequenz"

results=$(lines)
press shift+Tab 7 period 1 Tab Return
hear "a result spoken" "$results" "Wellenlänge: 42.25 m"
mark=$(lines)
press Tab Tab Tab Tab Tab 7 period 1 Tab 2 Tab Return
hear "two results spoken together" "$mark" \
  "Gesamtlänge ohne Korrektur: 21.127 m, Gesamtlänge mit Korrektur: 21.125 m"

# The focus stayed on the button: Tab goes on to the first result box.
mark=$(lines)
press Tab
hear "the focus stayed on Berechne" "$mark" "Gesamtlänge ohne Korrektur, Ergebnis" "21.127 m"
said_once "$mark" "21.127"
said_once "$results" "Wellenlänge: 42.25 m" "Gesamtlänge ohne Korrektur: 21.127 m"

# Word by word and to either end in a filled box, with Orca's own commands
# for the word and the line (desktop layout); the program must still answer.
press End ctrl+Left ctrl+Left ctrl+Right ctrl+Right ctrl+Right ctrl+shift+Left \
  ctrl+shift+Right Home ctrl+Right End KP_Begin KP_Up
mark=$(lines)
press Tab
hear "after the word moves the program still answers" "$mark" \
  "Gesamtlänge mit Korrektur, Ergebnis" "21.125 m"

# A dialog calculator: each prompt read with its question, the result as its
# message opens.
mark=$(lines)
press Tab Tab Tab Return
hear "the loop's first prompt" "$mark" "Bitte gib den Durchmesser der Loop-Antenne in Millimetern ein:"
mark=$(lines)
press 1 0 0 0 Return
hear "the loop's second prompt" "$mark" \
  "Bitte gib den Drahtdurchmesser der Loop-Antenne in Millimetern ein:"
mark=$(lines)
press 2 0 Return
hear "the loop's result" "$mark" "Die Induktivität der Loop-Antenne beträgt: 2.508 µH"
said_once 0 "Bitte gib eine gültige Frequenz in Megahertz ein." \
  "Die Induktivität der Loop-Antenne beträgt: 2.508 µH"

# A result too long for a message box has a dialog of its own, with the text
# in a read-only box; it too is read whole as it opens, its number and unit
# included. The coil's 1e140 cm across gives a number of 290 digits.
mark=$(lines)
press Return
back_to_window
press shift+Tab shift+Tab
hear "back on the coil's button" "$mark" "Spule berechnen"
mark=$(lines)
press Return
hear "the coil's first prompt" "$mark" "Bitte gib den Durchmesser der Luftspule in cm ein:"
mark=$(lines)
press 1 e 1 4 0 Return
hear "the coil's second prompt" "$mark" "Bitte gib die Länge der Luftspule in cm ein:"
mark=$(lines)
press 1 Return
hear "the coil's third prompt" "$mark" "Bitte gib die Anzahl der Windungen ein:"
mark=$(lines)
press 1 0 0 0 Return
long_result="Die Induktivität der Luftspule beträgt $(printf %s \
  98696044010893383102357316223985629906998355118565205625505921099547945802113036 \
  34642526347748516584880365642950659871403492602602972807384990275111058018072355 \
  82254987483237820104146805295204384616924814981516708793520657036873287585272162 \
  62070503722759590808571558638427608394498048.000) Mikrohenry."
hear "the coil's long result" "$mark" "$long_result"
said_once "$mark" "$long_result"

# 2 MB pasted into an emptied box, then word and line keys, each once the
# program and Orca are done with the last (Qt paints the megabytes for each):
# a word key is heard as its word, and the program still answers after them.
press Return
back_to_window
press shift+Tab End shift+Home BackSpace
/usr/bin/python3 -c "print('1234567 ' * 262144, end='')" |
  /usr/bin/python3 "$here/own_clipboard.py" >"$work/clipboard.out" 2>&1 &
clipboard_pid=$!
started_writing "$work/clipboard.out" owned "$clipboard_pid" 10 ||
  fail "2 MB not on the clipboard: $(cat "$work/clipboard.out")"
press ctrl+v
for key in Left Left Right; do
  wait_until_idle
  word_key "$key"
done
for key in Home End; do
  wait_until_idle
  press "$key"
done
wait_until_idle
mark=$(lines)
press Tab
hear "after the keys in 2 MB the program still answers" "$mark" "Spule berechnen"

# Closed as its close box does, the program ends cleanly: in the sanitizer
# build nothing leaked while the screen reader listened.
for _ in 1 2 3; do
  /usr/bin/python3 "$here/close_window.py" "$window"
  for _ in $(seq 40); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$program_pid" 2>/dev/null || break
done
if kill -0 "$program_pid" 2>/dev/null; then
  fail "the program still runs after three requests to close its window"
  kill "$program_pid"
fi
status=0
wait "$program_pid" || status=$?
program_pid=""
((status == 0)) || { fail "closed, the program ended with $status"; tail -40 "$work/program.out"; }

if ((failures)); then
  echo "$failures failures; Orca's log ends:"
  tail -n 40 "$log" | sed 's/^/  /'
  echo "The program said:"
  tail -n 20 "$work/program.out" | sed 's/^/  /'
  exit 1
fi
echo "screen reader: all heard"
