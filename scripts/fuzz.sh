#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into ${FUZZ_BUILD_DIR:-build-fuzz} and runs each
# for ${FUZZ_SECONDS:-30} seconds, starting from its corpus in tests/fuzz/corpus.
# Inputs found along the way are kept in the build folder, never in the corpus.
# A finding ends that target's run and leaves its input in <build
# folder>/findings; the other targets still run. Prints one line per target
# ("==> <target>: passed ..." or "FAILED: <target> ..."); libFuzzer's output
# goes to logs/<target>.log. Arguments name the targets to run (default: all);
# --list prints them.
set -euo pipefail
cd "$(dirname "$0")/.."
# The command the user ran, named in what install-deps.sh says on failure.
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/fuzz.sh}"
. scripts/lib/steps.sh

all_targets=(fuzz_ui_draw_data fuzz_platform_input)
if [ "${1:-}" = --list ]; then
  printf '%s\n' "${all_targets[@]}"
  exit 0
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=("${all_targets[@]}")
fi

scripts/install-deps.sh
build_dir="${FUZZ_BUILD_DIR:-build-fuzz}"
seconds="${FUZZ_SECONDS:-30}"
build_log=$(log_path "$(basename "$build_dir").log")
: >"$build_log"
step "Building ${targets[*]} with clang and libFuzzer in $build_dir/ (output: $build_log)"
run_logged "configuring $build_dir/ with CMake" "$build_log" \
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
  -DTALLOWICK_SANITIZE=ON -DTALLOWICK_BUILD_FUZZERS=ON -DTALLOWICK_BUILD_BENCH=OFF \
  -DTALLOWICK_WARNINGS_AS_ERRORS=ON
run_logged "building the fuzz targets" "$build_log" \
  cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]}"

. tests/sanitizers/options.sh
mkdir -p "$build_dir/findings"
status=0
for target in "${targets[@]}"; do
  corpus="tests/fuzz/corpus/${target#fuzz_}"
  found="$build_dir/corpus/${target#fuzz_}"
  log=$(log_path "$target.log")
  : >"$log"
  mkdir -p "$found"
  step "Fuzzing $target for ${seconds} s from $corpus (output: $log)"
  if run_logged "$target" "$log" env TALLOWICK_FORCE_XVFB=1 scripts/with-xvfb.sh "$build_dir/tests/fuzz/$target" \
    -max_total_time="$seconds" -max_len=8192 -timeout=20 -rss_limit_mb=3072 -print_final_stats=1 \
    -artifact_prefix="$build_dir/findings/${target}-" "$found" "$corpus"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    step "$target: passed, ${runs:-?} inputs without a finding"
  else
    echo "FAILED: $target; an input that failed, if any, is in $build_dir/findings/; libFuzzer's output is in $log" >&2
    status=1
  fi
done
exit "$status"
