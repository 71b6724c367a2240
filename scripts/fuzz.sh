#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into ${FUZZ_BUILD_DIR:-build-fuzz} and runs each
# for ${FUZZ_SECONDS:-30} seconds, starting from its corpus in tests/fuzz/corpus.
# Inputs found along the way are kept in the build folder, never in the corpus.
# A finding stops the run and leaves its input in <build folder>/findings.
# Arguments name the targets to run (default: all).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build_dir="${FUZZ_BUILD_DIR:-build-fuzz}"
seconds="${FUZZ_SECONDS:-30}"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_ui_draw_data fuzz_platform_input)
fi

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
  -DTALLOWICK_SANITIZE=ON -DTALLOWICK_BUILD_FUZZERS=ON -DTALLOWICK_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]}"

. tests/sanitizers/options.sh
mkdir -p "$build_dir/findings"
for target in "${targets[@]}"; do
  corpus="tests/fuzz/corpus/${target#fuzz_}"
  found="$build_dir/corpus/${target#fuzz_}"
  mkdir -p "$found"
  echo "== $target: ${seconds} s from $corpus"
  TALLOWICK_FORCE_XVFB=1 scripts/with-xvfb.sh "$build_dir/tests/fuzz/$target" \
    -max_total_time="$seconds" -max_len=8192 -timeout=20 -rss_limit_mb=3072 -print_final_stats=1 \
    -artifact_prefix="$build_dir/findings/${target}-" "$found" "$corpus"
done
