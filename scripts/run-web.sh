#!/usr/bin/env bash
# Installs what is missing, builds Tallowick for the browser into
# build-web/page/ (index.html, tallowick.js, tallowick.wasm) and serves that
# folder on 127.0.0.1, printing its address. With a screen it serves until
# stopped (Ctrl+C); without one it opens the page in headless Chromium
# (Firefox with TALLOWICK_BROWSER=firefox), leaves
# tallowick-web-screenshot.png and stops. TALLOWICK_WEB_PORT sets the port
# (default 8080). The tools' output goes to logs/.
set -euo pipefail
cd "$(dirname "$0")/.."
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/run-web.sh}"
. scripts/lib/steps.sh
. scripts/lib/web-toolchain.sh

build_dir=${BUILD_DIR:-build-web}
web_prepare_and_build "$build_dir"
page="$build_dir/page"

if [ -n "${DISPLAY:-}" ] && command -v xdpyinfo >/dev/null 2>&1 && xdpyinfo >/dev/null 2>&1; then
  step "Serving $page/; open the address below in a browser with WebGPU, and stop with Ctrl+C"
  exec node scripts/web/serve.mjs "$page" "${TALLOWICK_WEB_PORT:-8080}"
fi

web_serve_in_background "$page" "${TALLOWICK_WEB_PORT:-8080}"
echo "Serving $page/ at $WEB_ADDRESS"
screenshot="$PWD/tallowick-web-screenshot.png"
engine=${TALLOWICK_BROWSER:-chromium}
step "No screen: opening $WEB_ADDRESS in headless ${engine^} for a screenshot"
node scripts/web/screenshot.mjs "$WEB_ADDRESS" "$screenshot"
echo "Screenshot: $screenshot"
