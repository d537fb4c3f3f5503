# Sourced by the test scripts: check <what> <got> <expected> prints "ok: what"
# or "FAIL: what: ..." and counts the failures in $failures.
failures=0
check() {
  if [[ $2 == "$3" ]]; then
    echo "ok: $1"
  else
    echo "FAIL: $1: expected '$3', got '$2'"
    failures=$((failures + 1))
  fi
}
