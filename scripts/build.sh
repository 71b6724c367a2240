#!/usr/bin/env bash
# Installs what is missing and builds Tallowick into ${BUILD_DIR:-build}.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir="${BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
