#!/usr/bin/env bash
# Installs what is missing, builds Tallowick and runs its benchmarks inside a
# private Xvfb, printing two tables: each figure of the program against a bare
# WebGPU baseline measured in the same run, with the goals the program keeps
# (see bench/main.cpp); then where each one's start-up goes, phase by phase.
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
  # Without perf the row says so; the start-up table still follows.
  failed=0
  "$1" profile --seconds 10 || failed=1
  echo
  echo "| start-up phase | median | p95 | | | |"
  echo "|---|---|---|---|---|---|"
  "$1" startup-phases --runs 15
  exit "$failed"
' _ "$bench"
