#!/usr/bin/env bash
# Installs what is missing, builds Tallowick for the browser (build-web/) and
# runs its tests (tests/web/*.test.mjs) in headless Chromium and in headless
# Firefox, both with WebGPU: a test file that drives a browser (it imports
# scripts/web/browser.mjs) runs once in each engine, its tests named with the
# engine; any other runs once. Ends with "<N> passed, <N> failed", summed over
# all; the test runner's whole output is in logs/test-web.log.
set -euo pipefail
cd "$(dirname "$0")/.."
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/test-web.sh}"
. scripts/lib/steps.sh
. scripts/lib/web-toolchain.sh

build_dir=${BUILD_DIR:-build-web}
web_prepare_and_build "$build_dir"

log=$(log_path test-web.log)
: >"$log"
part=$(mktemp)
trap 'rm -f "$part"' EXIT
passed=0
failed=0

# run_test_file <file> [engine]: runs one test file, in one engine where
# given; adds its counts to passed and failed.
run_test_file() {
  local file=$1 engine=${2:-} status=0 file_passed file_failed
  env ${engine:+TALLOWICK_BROWSER="$engine"} TALLOWICK_WEB_PAGE="$build_dir/page" \
    node --test "$file" >"$part" 2>&1 || status=$?
  {
    echo "=== $file${engine:+ in $engine}"
    cat "$part"
  } >>"$log"
  grep -E '^(not )?ok ' "$part" | sed 's/^/    /'
  file_passed=$(awk '/^# pass / { print $3 }' "$part")
  file_failed=$(awk '/^# fail / { print $3 }' "$part")
  if [ -z "$file_passed" ] || [ -z "$file_failed" ]; then
    echo "FAILED: $file${engine:+ in $engine}: the test runner gave no count. The end of its output:" >&2
    tail -n 30 "$part" | sed 's/^/    /' >&2
    file_passed=${file_passed:-0}
    file_failed=$((${file_failed:-0} + 1))
  elif [ "$status" -ne 0 ] || [ "$file_failed" -ne 0 ]; then
    grep -E -A12 '^not ok ' "$part" | sed 's/^/    /' >&2
    [ "$file_failed" -ne 0 ] || file_failed=1
  fi
  passed=$((passed + file_passed))
  failed=$((failed + file_failed))
}

for file in tests/web/*.test.mjs; do
  if grep -q 'scripts/web/browser\.mjs' "$file"; then
    for engine in chromium firefox; do
      step "Running $file in headless ${engine^} (output: $log)"
      run_test_file "$file" "$engine"
    done
  else
    step "Running $file (output: $log)"
    run_test_file "$file"
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
