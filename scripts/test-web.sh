#!/usr/bin/env bash
# Installs what is missing, builds Tallowick for the browser (build-web/) and
# runs its tests (tests/web) in headless Chromium with WebGPU. Ends with
# "<N> passed, <N> failed"; the test runner's whole output is in
# logs/test-web.log.
set -euo pipefail
cd "$(dirname "$0")/.."
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/test-web.sh}"
. scripts/lib/steps.sh
. scripts/lib/web-toolchain.sh

build_dir=${BUILD_DIR:-build-web}
web_prepare_and_build "$build_dir"

log=$(log_path test-web.log)
step "Running the browser tests in headless Chromium (output: $log)"
status=0
TALLOWICK_WEB_PAGE="$build_dir/page" node --test tests/web/*.test.mjs >"$log" 2>&1 || status=$?
grep -E '^(not )?ok ' "$log" | sed 's/^/    /'
passed=$(awk '/^# pass / { print $3 }' "$log")
failed=$(awk '/^# fail / { print $3 }' "$log")
if [ -z "$passed" ] || [ -z "$failed" ]; then
  report_failure "the browser tests (the runner gave no count)" "$log"
  passed=${passed:-0}
  failed=$((${failed:-0} + 1))
elif [ "$status" -ne 0 ] || [ "$failed" -ne 0 ]; then
  grep -E -A12 '^not ok ' "$log" | sed 's/^/    /' >&2
  [ "$failed" -ne 0 ] || failed=1
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
