#!/usr/bin/env bash
# Installs what is missing, builds Tallowick for the desktop and for the
# browser, and measures the frame time of each on this machine, one after the
# other: the desktop program's full frame on Vulkan (lavapipe without a GPU)
# inside a private Xvfb, and the page's in headless Chromium (SwiftShader's
# WebGPU). Prints the rows of the benchmark table.
set -euo pipefail
cd "$(dirname "$0")/.."
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/bench-web.sh}"
. scripts/lib/steps.sh
. scripts/lib/web-toolchain.sh

scripts/build.sh tallowick_bench
web_prepare_toolchain
web_prepare_browser
web_build build-web

echo "| what | median | p95 | ratio | goal | met |"
echo "|---|---|---|---|---|---|"
TALLOWICK_FORCE_XVFB=1 scripts/with-xvfb.sh \
  "${BUILD_DIR:-build}/bench/tallowick_bench" frames --backend vulkan --blocks 10 --block-frames 60
address_file=$(mktemp)
node scripts/web/serve.mjs build-web/page 0 >"$address_file" &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -f "$address_file"' EXIT
for _ in $(seq 1 300); do
  [ -s "$address_file" ] && break
  sleep 0.1
done
node scripts/web/frames.mjs "$(head -n 1 "$address_file")" 300
