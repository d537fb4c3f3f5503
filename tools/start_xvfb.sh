# Sourced by the scripts that need an X display.
#
# start_xvfb [WIDTHxHEIGHT] starts Xvfb with a screen of that size (1280x1024
# unless given) on a display it picks itself, waits until the server accepts
# clients, exports DISPLAY and sets xvfb_pid.
start_xvfb() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do
    [[ -s $number_file ]] && break
    sleep 0.05
  done
  if [[ ! -s $number_file ]]; then
    echo "Xvfb did not start" >&2
    rm -f "$number_file"
    return 1
  fi
  export DISPLAY=:$(tr -d '\n' <"$number_file")
  rm -f "$number_file"
}

# wait_for_window TITLE SECONDS [PID] prints the id of the first visible
# window titled exactly TITLE as soon as it is shown. It fails after SECONDS,
# or at once when the process PID, which should show it, has ended.
wait_for_window() {
  local title=$1 seconds=$2 pid=${3:-} window started=$SECONDS
  while ((SECONDS - started < seconds)); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1 || true)
    if [[ -n $window ]]; then
      echo "$window"
      return 0
    fi
    if [[ -n $pid ]] && ! kill -0 "$pid" 2>/dev/null; then
      return 1
    fi
    sleep 0.05
  done
  return 1
}
