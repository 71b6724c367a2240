#!/usr/bin/env bash
# Builds Tallowick and every test with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer into ${SANITIZE_BUILD_DIR:-build-sanitize} and runs
# the whole test suite there. Any sanitizer report fails the test it came from.
# CTest's output is shown and kept in logs/test-sanitized.log.
set -euo pipefail
cd "$(dirname "$0")/.."
# The command the user ran, named in what install-deps.sh says on failure.
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/test-sanitized.sh}"
. scripts/lib/steps.sh
build_dir="${SANITIZE_BUILD_DIR:-build-sanitize}"
log=$(log_path test-sanitized.log)
rm -f "$log"
BUILD_DIR="$build_dir" CMAKE_ARGS="-DTALLOWICK_SANITIZE=ON -DTALLOWICK_BUILD_BENCH=OFF" \
  scripts/build.sh
. tests/sanitizers/options.sh
step "Running the whole suite on the sanitizer build (also in $log)"
TALLOWICK_FORCE_XVFB=1 scripts/with-xvfb.sh \
  ctest --test-dir "$build_dir" --output-on-failure --timeout 600 ${CTEST_ARGS:-} 2>&1 | tee "$log"
