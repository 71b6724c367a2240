#!/usr/bin/env bash
# Installs what is missing and builds Tallowick into ${BUILD_DIR:-build}.
# Arguments name the targets to build (default: all). A compiler warning fails
# the build (CMAKE_ARGS=-DTALLOWICK_WARNINGS_AS_ERRORS=OFF allows it). Prints one line; the
# output of CMake and the compiler goes to logs/<build folder>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
# The command the user ran, named in what install-deps.sh says on failure.
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/build.sh}"
. scripts/lib/steps.sh
scripts/install-deps.sh
build_dir="${BUILD_DIR:-build}"
log=$(log_path "$(basename "$build_dir").log")
: >"$log"
if [ $# -gt 0 ]; then what="$*"; else what="everything"; fi
step "Building $what in $build_dir/ (output: $log)"
run_logged "configuring $build_dir/ with CMake" "$log" \
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DTALLOWICK_WARNINGS_AS_ERRORS=ON ${CMAKE_ARGS:-}
targets=()
for target in "$@"; do targets+=(--target "$target"); done
run_logged "building $what in $build_dir/" "$log" cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}"
