#!/usr/bin/env bash
# Runs a command with DISPLAY pointing at an X server: the current one when
# there is a usable screen, otherwise a private Xvfb started for the command.
set -euo pipefail

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 && [ -z "${TALLOWICK_FORCE_XVFB:-}" ]; then
  exec "$@"
fi

display_number=$(( 90 + RANDOM % 400 ))
while [ -e "/tmp/.X11-unix/X${display_number}" ] || [ -e "/tmp/.X${display_number}-lock" ]; do
  display_number=$(( display_number + 1 ))
done

# -noreset keeps the server's state (the pointer position among it) when its
# last client disconnects. TALLOWICK_XVFB_SCREEN sets another screen size.
Xvfb ":${display_number}" -screen 0 "${TALLOWICK_XVFB_SCREEN:-1280x720x24}" -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true' EXIT

export DISPLAY=":${display_number}"
for _ in $(seq 1 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }

# Mesa's Vulkan driver only warns without it.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

# Only Mesa's software driver (lavapipe) presents to Xvfb, and it draws the
# same pixels on every machine: a GPU's driver is kept out unless the caller
# chose the drivers.
if [ -z "${VK_DRIVER_FILES:-}${VK_ICD_FILENAMES:-}" ]; then
  lavapipe=$(compgen -G '/usr/share/vulkan/icd.d/lvp_icd*.json' | paste -sd: || true)
  if [ -n "$lavapipe" ]; then
    export VK_DRIVER_FILES="$lavapipe" VK_ICD_FILENAMES="$lavapipe"
  fi
fi
"$@"
