# One line per step on the terminal, each step's full output in a log file.
# Sourced by the scripts in scripts/, which run from the repository's root.
# Logs go to ${TALLOWICK_LOG_DIR:-logs}.

log_path() {
  local dir="${TALLOWICK_LOG_DIR:-logs}"
  mkdir -p "$dir"
  echo "$(cd "$dir" && pwd)/$1"
}

step() {
  echo "==> $*"
}

# Prints the end of a failed step's log and where the whole of it is.
report_failure() {
  local what=$1 log=$2
  echo "FAILED: $what. The end of its output:" >&2
  tail -n 30 "$log" | sed 's/^/    /' >&2
  echo "FAILED: $what; full output in $log" >&2
}

# run_logged <what> <log> <command...>: runs the command with its output
# appended to the log; on failure prints the end of the log and its path, and
# returns the command's status.
run_logged() {
  local what=$1 log=$2 status=0
  shift 2
  {
    echo "=== $(date '+%F %T') $*"
    "$@" </dev/null
  } >>"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    report_failure "$what" "$log"
  fi
  return "$status"
}

# ctest_counts <log>: prints "<passed> <failed>" from CTest's closing line
# ("95% tests passed, 2 tests failed out of 40"); fails when there is none.
ctest_counts() {
  local line total failed
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" 2>/dev/null | tail -n 1)
  [ -n "$line" ] || return 1
  failed=$(sed -E 's/^[0-9]+% tests passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  echo "$((total - failed)) $failed"
}
