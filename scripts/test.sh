#!/usr/bin/env bash
# Installs what is missing, builds Tallowick and runs every test: the whole
# suite on the normal build, the whole suite again on a build with
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer
# (scripts/test-sanitized.sh), then each fuzz target for a bounded time
# (scripts/fuzz.sh). TALLOWICK_TEST_QUICK=1 runs the normal suite alone.
#
# CTest's output is shown as it runs; builds and libFuzzer write to logs/.
# The last line counts the whole run: "<N> passed, <N> failed", where each
# CTest test and each fuzz target counts one, and a build that fails counts
# one failure. A failed stage is named, with the log to read, just above it.
set -uo pipefail
cd "$(dirname "$0")/.."
# The command the user ran, named in what install-deps.sh says on failure.
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/test.sh}"
. scripts/lib/steps.sh

passed=0
failed=0
problems=()

finish() {
  local problem
  for problem in ${problems[@]+"${problems[@]}"}; do
    echo "FAILED: $problem"
  done
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ] && [ ${#problems[@]} -eq 0 ]
  exit
}

# count_suite <stage> <CTest log>
count_suite() {
  local counts suite_passed suite_failed
  if ! counts=$(ctest_counts "$2"); then
    failed=$((failed + 1))
    problems+=("$1: CTest gave no result; read $2")
    return
  fi
  read -r suite_passed suite_failed <<<"$counts"
  passed=$((passed + suite_passed))
  failed=$((failed + suite_failed))
  if [ "$suite_failed" -gt 0 ]; then
    problems+=("$1: $suite_failed of $((suite_passed + suite_failed)) tests failed; read $2")
  fi
}

# build_failed <stage> <build folder>
build_failed() {
  failed=$((failed + 1))
  problems+=("$1 did not build; read $(log_path "$(basename "$2").log")")
}

if ! scripts/install-deps.sh; then
  failed=$((failed + 1))
  problems+=("installing what is missing; read $(log_path install-deps.log)")
  finish
fi
export TALLOWICK_DEPS_INSTALLED=1

# --- The normal suite ---------------------------------------------------------------
build_dir="${BUILD_DIR:-build}"
if ! scripts/build.sh; then
  build_failed "the normal build" "$build_dir"
  finish
fi
log=$(log_path test.log)
step "Running the whole suite (also in $log)"
TALLOWICK_FORCE_XVFB=1 scripts/with-xvfb.sh \
  ctest --test-dir "$build_dir" --output-on-failure --timeout 600 ${CTEST_ARGS:-} 2>&1 | tee "$log"
count_suite "the normal suite" "$log"
if [ -n "${TALLOWICK_TEST_QUICK:-}" ]; then
  finish
fi

# --- The sanitizer suite ------------------------------------------------------------
log=$(log_path test-sanitized.log)
scripts/test-sanitized.sh
if [ -f "$log" ]; then
  count_suite "the sanitizer suite" "$log"
else
  build_failed "the sanitizer build" "${SANITIZE_BUILD_DIR:-build-sanitize}"
fi

# --- The fuzz targets ---------------------------------------------------------------
mapfile -t fuzz_targets < <(scripts/fuzz.sh --list)
for target in "${fuzz_targets[@]}"; do rm -f "$(log_path "$target.log")"; done
fuzz_output=$(mktemp)
scripts/fuzz.sh 2>&1 | tee "$fuzz_output"
for target in "${fuzz_targets[@]}"; do
  target_log=$(log_path "$target.log")
  if grep -q "^==> $target: passed" "$fuzz_output"; then
    passed=$((passed + 1))
  elif [ -f "$target_log" ]; then
    failed=$((failed + 1))
    problems+=("fuzz target $target; read $target_log")
  else
    failed=$((failed + 1))
    problems+=("fuzz target $target did not run: the fuzz build failed; read $(log_path "$(basename "${FUZZ_BUILD_DIR:-build-fuzz}").log")")
  fi
done
rm -f "$fuzz_output"
finish
