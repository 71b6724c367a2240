#!/usr/bin/env bash
# Installs what is missing, builds Tallowick (the program and the helper that
# closes its window, nothing else) and runs it. With a screen the window opens
# there; without one the program runs inside Xvfb for a few seconds and a
# screenshot is left in tallowick-screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
# The command the user ran, named in what install-deps.sh says on failure.
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/run.sh}"
. scripts/lib/steps.sh
build_dir="${BUILD_DIR:-build}"
TALLOWICK_DEPS_FOR=program scripts/build.sh tallowick close-window
binary="$build_dir/app/tallowick"

explain_exit() {
  local status=$1
  [ "$status" -eq 0 ] && return 0
  echo "Tallowick exited with status $status." >&2
  local mesa
  mesa=$(dpkg-query -W -f='${Version}' mesa-vulkan-drivers 2>/dev/null || true)
  if [ "$status" -eq 1 ] && grep -qx "VERSION_CODENAME=bookworm" /etc/os-release &&
    [ "${mesa%%.*}" -lt 25 ] 2>/dev/null; then
    echo "It found no usable WebGPU device. TALLOWICK_SOFTWARE_VULKAN=1 scripts/run.sh installs Mesa's" \
      "software Vulkan driver from Debian's backports (see README: The graphics stack on Debian 12)." >&2
  fi
  exit "$status"
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  step "Running $binary on $DISPLAY; close its window to end"
  status=0
  "$binary" || status=$?
  explain_exit "$status"
  exit 0
fi

screenshot="$PWD/tallowick-screenshot.png"
delay=$(printf "%.0f" "${TALLOWICK_SCREENSHOT_DELAY:-5}")
step "No screen: running $binary inside Xvfb for ${delay} s, then taking a screenshot"
status=0
scripts/with-xvfb.sh bash -c '
  "$1" & pid=$!
  for ((left = $4; left > 0; left--)); do
    kill -0 "$pid" 2>/dev/null || break
    echo "    running, screenshot in ${left} s"
    sleep 1
  done
  if kill -0 "$pid" 2>/dev/null; then
    import -window root "$2"
    echo "==> Screenshot taken; closing the window"
    "$3" Tallowick || kill "$pid"
  fi
  wait "$pid"
' _ "$binary" "$screenshot" "$build_dir/tests/close-window" "$delay" || status=$?
explain_exit "$status"
echo "Screenshot: $screenshot"
