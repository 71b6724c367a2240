#!/usr/bin/env bash
# Installs what is missing, builds Tallowick and runs it. With a screen the
# window opens there; without one the program runs inside Xvfb for a few
# seconds and a screenshot is left in tallowick-screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
binary="${BUILD_DIR:-build}/app/tallowick"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$binary"
fi
screenshot="$PWD/tallowick-screenshot.png"
scripts/with-xvfb.sh bash -c '
  "$1" & pid=$!
  sleep "${TALLOWICK_SCREENSHOT_DELAY:-5}"
  import -window root "$2"
  "$3" Tallowick || kill "$pid"
  wait "$pid"
' _ "$binary" "$screenshot" "${BUILD_DIR:-build}/tests/close-window"
echo "Screenshot: $screenshot"
