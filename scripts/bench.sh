#!/usr/bin/env bash
# Installs what is missing, builds Tallowick and runs its benchmarks inside a
# private Xvfb, printing one table: each figure of the program against a bare
# WebGPU baseline measured in the same run (see bench/main.cpp).
set -euo pipefail
cd "$(dirname "$0")/.."
# The command the user ran, named in what install-deps.sh says on failure.
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/bench.sh}"
scripts/build.sh
build_dir="${BUILD_DIR:-build}"
bench="$PWD/$build_dir/bench/tallowick_bench"

cpu_names=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo)
echo "Machine: $(nproc) cores, ${cpu_names%%$'\n'*}," \
  "Mesa $(dpkg-query -W -f='${Version}' mesa-vulkan-drivers 2>/dev/null || echo '?')"
echo
echo "| what | median | p95 | ratio | goal | met |"
echo "|---|---|---|---|---|---|"
TALLOWICK_FORCE_XVFB=1 scripts/with-xvfb.sh bash -c '
  set -euo pipefail
  "$1" frames --backend vulkan --blocks 20 --block-frames 60
  "$1" frames --backend null --blocks 20 --block-frames 500
  "$1" memory --frames 100000
  "$1" startup --runs 9
' _ "$bench"
