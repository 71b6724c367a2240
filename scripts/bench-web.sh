#!/usr/bin/env bash
# Installs what is missing, builds Tallowick for the desktop and for the
# browser, and measures the frame time of each on this machine, one after the
# other: the desktop program's full frame on Vulkan (lavapipe without a GPU)
# inside a private Xvfb, and the page's in headless Chromium (SwiftShader's
# WebGPU) and Firefox (lavapipe's), with each engine's first frame against a
# bare WebGPU page's. Prints the rows of the benchmark table.
set -euo pipefail
cd "$(dirname "$0")/.."
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/bench-web.sh}"
. scripts/lib/steps.sh
. scripts/lib/web-toolchain.sh

scripts/build.sh tallowick_bench
web_prepare_and_build build-web

echo "| what | median | p95 | ratio | goal | met |"
echo "|---|---|---|---|---|---|"
TALLOWICK_FORCE_XVFB=1 scripts/with-xvfb.sh \
  "${BUILD_DIR:-build}/bench/tallowick_bench" frames --backend vulkan --blocks 10 --block-frames 60
web_serve_in_background build-web/page 0
for engine in chromium firefox; do
  TALLOWICK_BROWSER=$engine node scripts/web/frames.mjs "$WEB_ADDRESS" 300
  TALLOWICK_BROWSER=$engine node scripts/web/first-frame.mjs build-web/page 7
done
