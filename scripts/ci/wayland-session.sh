#!/usr/bin/env bash
# Runs Tallowick once in a Wayland session without a screen, as on a Debian 13
# desktop: Xvfb as the outer screen, weston inside it (X11 back end, XWayland,
# kiosk shell), the program with WAYLAND_DISPLAY set and DISPLAY on XWayland.
# Checks weston's own screenshot of the program's picture and the echo of a
# click made on the outer screen in weston's window. Run from the repository's
# root after scripts/run.sh built the program; installs weston and xwayland.
set -euo pipefail
cd "$(dirname "$0")/../.."
binary="${BUILD_DIR:-build}/app/tallowick"
outer=:50
work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in ${pids[@]+"${pids[@]}"}; do kill "$pid" 2>/dev/null || true; done
  for pid in ${pids[@]+"${pids[@]}"}; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

# wait_for <seconds> <what> <command...>: polls the command until it succeeds.
wait_for() {
  local seconds=$1 what=$2 deadline
  shift 2
  deadline=$((SECONDS + seconds))
  until "$@"; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "gave up after $seconds s waiting for $what" >&2
      return 1
    fi
    sleep 0.2
  done
}

echo "==> Installing weston and xwayland"
apt-get update -q
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends weston xwayland xdotool

echo "==> Xvfb on $outer, weston inside it"
Xvfb "$outer" -screen 0 1280x720x24 -noreset -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 30 "Xvfb" env DISPLAY="$outer" xdpyinfo >/dev/null 2>&1
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
x_sockets_before=$(ls /tmp/.X11-unix)
DISPLAY="$outer" weston --backend=x11 --renderer=pixman --debug --xwayland --shell=kiosk \
  --width=1280 --height=720 --socket=wayland-tallowick >"$work/weston.log" 2>&1 &
pids+=($!)
wayland_up() { [ -S "$XDG_RUNTIME_DIR/wayland-tallowick" ]; }
wait_for 60 "weston's Wayland socket" wayland_up
# XWayland's display is the X socket weston opened for it.
xwayland_socket() {
  local new
  new=$(comm -13 <(echo "$x_sockets_before") <(ls /tmp/.X11-unix))
  [[ "$new" =~ (^|$'\n')X([0-9]+) ]] && echo "${BASH_REMATCH[2]}"
}
wait_for 60 "XWayland's socket" xwayland_socket >/dev/null
xwayland=":$(xwayland_socket)"
echo "==> Wayland display wayland-tallowick, XWayland on $xwayland"

echo "==> Running $binary in the session"
WAYLAND_DISPLAY=wayland-tallowick DISPLAY="$xwayland" XDG_SESSION_TYPE=wayland \
  "$binary" >"$work/stdout.txt" 2>"$work/stderr.txt" &
program=$!
pids+=("$program")
program_running() {
  kill -0 "$program" 2>/dev/null || {
    wait "$program" && status=0 || status=$?
    echo "the program ended with status $status; its standard error:" >&2
    cat "$work/stderr.txt" >&2
    exit 1
  }
}

# weston-screenshooter exits 0 also when weston refuses the capture, so the
# file is what counts; the first frames may come after the window.
screenshot_shows_picture() {
  program_running
  rm -f "$work"/shots/*.png
  mkdir -p "$work/shots"
  (cd "$work/shots" && WAYLAND_DISPLAY=wayland-tallowick weston-screenshooter >/dev/null 2>&1) || return 1
  shots=("$work"/shots/*.png)
  shot=${shots[0]}
  [ -f "$shot" ] || return 1
  scripts/ci/check-picture.sh "$shot" >"$work/picture.txt" 2>&1
}
wait_for 120 "weston's screenshot to show the program's picture" screenshot_shows_picture ||
  { cat "$work/picture.txt" 2>/dev/null; exit 1; }
cat "$work/picture.txt"
cp "$shot" wayland-screenshot.png
echo "==> Weston's screenshot shows the picture (kept as wayland-screenshot.png)"

# The click goes to the outer screen, on weston's window, away from the panel.
windows=$(DISPLAY="$outer" xdotool search --class "Weston Compositor")
window=${windows%%$'\n'*}
eval "$(DISPLAY="$outer" xdotool getwindowgeometry --shell "$window")"
click_x=$((X + 960)) click_y=$((Y + 560))
echo "==> Clicking on the outer screen at $click_x,$click_y (weston's window at $X,$Y)"
DISPLAY="$outer" xdotool mousemove "$click_x" "$click_y" click 1
echoed() { program_running; grep -Eq '^button:0 action:1 x:-?[0-9]+ y:-?[0-9]+$' "$work/stdout.txt"; }
wait_for 60 "the click's echo" echoed || { cat "$work/stdout.txt"; exit 1; }
echo "==> The program echoed: $(grep -E '^button:0 action:1' "$work/stdout.txt")"
