#!/usr/bin/env bash
# Installs what is missing, builds Tallowick and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
build_dir="${BUILD_DIR:-build}"
TALLOWICK_FORCE_XVFB=1 scripts/with-xvfb.sh \
  ctest --test-dir "$build_dir" --output-on-failure --timeout 600 ${CTEST_ARGS:-}
