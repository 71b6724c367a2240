#!/usr/bin/env bash
# Installs what is missing, builds Tallowick and runs every test: the whole
# suite on the normal build, the whole suite again on a build with
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer
# (scripts/test-sanitized.sh), then each fuzz target for a bounded time
# (scripts/fuzz.sh). TALLOWICK_TEST_QUICK=1 runs the normal suite alone.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
build_dir="${BUILD_DIR:-build}"
TALLOWICK_FORCE_XVFB=1 scripts/with-xvfb.sh \
  ctest --test-dir "$build_dir" --output-on-failure --timeout 600 ${CTEST_ARGS:-}
if [ -n "${TALLOWICK_TEST_QUICK:-}" ]; then
  exit 0
fi
scripts/test-sanitized.sh
scripts/fuzz.sh
