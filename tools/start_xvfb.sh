# Sourced by the scripts that need an X display. start_xvfb [WIDTHxHEIGHT]
# starts Xvfb with a screen of that size (1280x1024 unless given) on a
# display it picks itself, waits until the server accepts clients, exports
# DISPLAY and sets xvfb_pid.
start_xvfb() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
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
