#!/usr/bin/env bash
# Installs what is missing, builds the Windows program (tallowick.exe) and
# leaves build-windows/tallowick-windows-x64.zip for a Windows user, then runs
# it under wine. With a screen the window opens there; without one it runs
# inside Xvfb for a few seconds and a screenshot of its window is left in
# tallowick-windows-screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/steps.sh
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/run-windows.sh}"
. scripts/lib/windows-build.sh
. scripts/lib/wine.sh
build_windows_program
package_windows_program
# The helper that closes the window as a window manager would is a Linux program.
TALLOWICK_DEPS_INSTALLED=1 scripts/build.sh close-window
close_window="${BUILD_DIR:-build}/tests/close-window"
wine_setup

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  step "Running $TALLOWICK_WINDOWS_EXE under wine on $DISPLAY; close its window to end"
  status=0
  scripts/lib/wine-program.sh || status=$?
  [ "$status" -eq 0 ] || echo "Tallowick exited with status $status." >&2
  exit "$status"
fi

screenshot="$PWD/tallowick-windows-screenshot.png"
delay=$(printf "%.0f" "${TALLOWICK_SCREENSHOT_DELAY:-5}")
step "No screen: running $TALLOWICK_WINDOWS_EXE under wine inside Xvfb for ${delay} s once its window shows, then taking a screenshot"
status=0
rm -f "$screenshot"
TALLOWICK_XVFB_SCREEN=$WINDOWS_XVFB_SCREEN scripts/with-xvfb.sh bash -c '
  . scripts/lib/steps.sh
  . scripts/lib/wine.sh
  wine_start_server
  trap wine_stop_server EXIT
  scripts/lib/wine-program.sh & pid=$!
  window="" found=""
  for ((tries = 600; tries > 0; tries--)); do
    kill -0 "$pid" 2>/dev/null || break
    found=$(xdotool search --onlyvisible --name "^Tallowick\$" 2>/dev/null) && read -r window <<<"$found" && break
    sleep 0.1
  done
  for ((left = $3; left > 0; left--)); do
    kill -0 "$pid" 2>/dev/null || break
    echo "    running, screenshot in ${left} s"
    sleep 1
  done
  if kill -0 "$pid" 2>/dev/null; then
    info=$(xwininfo -id "$window")
    x=$(awk "/Absolute upper-left X/ {print \$NF}" <<<"$info")
    y=$(awk "/Absolute upper-left Y/ {print \$NF}" <<<"$info")
    import -window root -crop "1280x720+$x+$y" +repage "$1"
    echo "==> Screenshot taken; closing the window"
    "$2" Tallowick || kill "$pid"
  fi
  wait "$pid"
' _ "$screenshot" "$close_window" "$delay" || status=$?
if [ "$status" -ne 0 ]; then
  echo "Tallowick exited with status $status." >&2
  exit "$status"
fi
if [ ! -f "$screenshot" ]; then
  echo "FAILED: Tallowick ended before its window could be photographed." >&2
  exit 1
fi
echo "Screenshot: $screenshot"
