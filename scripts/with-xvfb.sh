#!/usr/bin/env bash
# Runs a command with DISPLAY pointing at an X server: the current one when
# there is a usable screen, otherwise a private Xvfb started for the command.
set -euo pipefail

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 && [ -z "${TALLOWICK_FORCE_XVFB:-}" ]; then
  exec "$@"
fi

# Xvfb picks a display number no other server holds and writes it once it
# accepts connections: two runs started at once never share a server.
# -noreset keeps the server's state (the pointer position among it) when its
# last client disconnects. TALLOWICK_XVFB_SCREEN sets another screen size.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${TALLOWICK_XVFB_SCREEN:-1280x720x24}" -noreset -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; rm -f "$display_file"' EXIT

# A loaded machine may take a while to start it.
for _ in $(seq 1 600); do
  [ -s "$display_file" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.05
done
display_number=$(head -n 1 "$display_file")
[ -n "$display_number" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":${display_number}"

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
