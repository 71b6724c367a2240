#!/usr/bin/env bash
# Installs what is missing and builds Tallowick into ${BUILD_DIR:-build}.
# Arguments name the targets to build (default: all). Prints one line; the
# output of CMake and the compiler goes to logs/<build folder>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/steps.sh
scripts/install-deps.sh
build_dir="${BUILD_DIR:-build}"
log=$(log_path "$(basename "$build_dir").log")
: >"$log"
if [ $# -gt 0 ]; then what="$*"; else what="everything"; fi
step "Building $what in $build_dir/ (output: $log)"
run_logged "configuring $build_dir/ with CMake" "$log" \
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" ${CMAKE_ARGS:-}
targets=()
for target in "$@"; do targets+=(--target "$target"); done
run_logged "building $what in $build_dir/" "$log" cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}"
