#!/usr/bin/env bash
# Runs two builds of the program on the same Xvfb display and compares, byte
# for byte, what they show: the window at 96 dpi with the pointer parked
# outside it, every prompt and message dialog, and the window icon's data.
#   tools/compare_pixels.sh <old build folder> <new build folder> [output folder]
# Grabs are kept as PNG files in the output folder; exit code 0 means identical.
set -euo pipefail
old=$1
new=$2
output=${3:-$(mktemp -d)}
for tool in Xvfb xdotool xprop import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
# shellcheck source=start_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/start_xvfb.sh"
start_xvfb
pid=""
trap 'kill $pid $xvfb_pid 2>/dev/null || true' EXIT

# Button centres in window coordinates, from the layout's pixel rectangles.
declare -A centre=(
  [TextFreq]="248 60" [CommandFreq]="400 60" [CommandWelang]="400 92" [CommandCalc]="400 225"
  [CommandSpule]="104 404" [CommandDrehko]="104 436" [CommandLoopInduk]="104 468"
)

# Grabs a window several times over one and a half seconds, so that both
# phases of a blinking text cursor are caught, and keeps each distinct image.
grab() {
  local window=$1 name=$2 folder=$3 hash
  for _ in 1 2 3 4 5 6; do
    import -window "$window" "$folder/grab.png"
    hash=$(convert "$folder/grab.png" -depth 8 rgba:- | sha256sum | cut -c1-16)
    [[ -f $folder/$name-$hash.png ]] || mv "$folder/grab.png" "$folder/$name-$hash.png"
    sleep 0.25
  done
  rm -f "$folder/grab.png"
}

last_dialog=""
# Waits for a dialog (titled with the application title) that was not seen
# before, grabs it, then answers it with the given keys.
dialog() {
  local name=$1 folder=$2 text=$3 found=""
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --name "^Welvaro$" 2>/dev/null | grep -vx "${last_dialog:-none}" |
      head -1 || true)
    [[ -n $found ]] && break
    sleep 0.1
  done
  [[ -n $found ]] || { echo "no dialog appeared for $name"; exit 1; }
  last_dialog=$found
  sleep 0.5
  grab "$found" "$name" "$folder"
  xdotool windowfocus --sync "$found"
  [[ -z $text ]] || xdotool type --delay 20 "$text"
  xdotool key Return
}

click() {
  read -r x y <<<"${centre[$1]}"
  xdotool mousemove $((X + x)) $((Y + y)) click 1 mousemove 0 0
}

run() {
  local program=$1 folder=$2
  mkdir -p "$folder"
  xdotool mousemove 0 0
  LANG=C.UTF-8 LC_ALL= "$program" >/dev/null 2>&1 &
  pid=$!
  window=$(wait_for_window "Welvaro von Tarsimo" 10 "$pid") ||
    { echo "the window of $program did not appear"; exit 1; }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  grab "$window" window "$folder"
  xprop -id "$window" -notype _NET_WM_ICON >"$folder/icon.txt"

  click CommandFreq
  dialog frequency-warning "$folder" ""
  click CommandWelang
  dialog wavelength-warning "$folder" ""
  click CommandCalc
  dialog dipole-warning "$folder" ""
  click TextFreq
  xdotool type --delay 20 "0"
  click CommandFreq
  dialog not-computable-warning "$folder" ""
  local step
  for step in "x" "5 x" "5 10 x" "5 10 20"; do
    click CommandSpule
    local answers prompts=(coil-diameter coil-length coil-turns) i
    read -ra answers <<<"$step"
    for i in "${!answers[@]}"; do
      dialog "${prompts[$i]}-prompt" "$folder" "${answers[$i]}"
    done
    [[ ${answers[-1]} == x ]] && dialog "${prompts[$((${#answers[@]} - 1))]}-warning" "$folder" ""
  done
  dialog coil-result "$folder" ""
  click CommandDrehko
  dialog inductance-prompt "$folder" "10"
  dialog capacitance-prompt "$folder" "100"
  dialog resonance-result "$folder" ""
  click CommandLoopInduk
  dialog loop-diameter-prompt "$folder" "1000"
  dialog loop-wire-prompt "$folder" "20"
  dialog loop-result "$folder" ""
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

run "$old/ui/welvaro" "$output/old"
run "$new/ui/welvaro" "$output/new"

# The same distinct grabs, under the same names and pixel hashes, and the same icon data.
if diff <(cd "$output/old" && ls) <(cd "$output/new" && ls) && cmp "$output/old/icon.txt" "$output/new/icon.txt"; then
  echo "identical: $(find "$output/new" -name '*.png' | wc -l) grabs of the window and its dialogs, $(wc -c <"$output/new/icon.txt") bytes of icon data ($output)"
else
  echo "DIFFERENT: see $output"
  exit 1
fi
