#!/usr/bin/env bash
# The part of scripts/ci/fresh-root.sh that runs in the root's own mount and
# PID namespaces (unshare): mounts what a running system has, then runs the
# README's two commands inside the root (and the Wayland session when asked).
# Everything started here ends with it, its mounts too.
set -euo pipefail
cd "$(dirname "$0")/../../.."
. scripts/ci/lib/root.sh
root=$TALLOWICK_CI_ROOT
release=$TALLOWICK_CI_RELEASE
log_dir=$TALLOWICK_CI_LOG_DIR
cache=$(ci_cache_dir)

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
mount --bind "$cache/$release-apt" "$root/var/cache/apt/archives"
mkdir -p "$root/root/.npm"
mount --bind "$cache/npm" "$root/root/.npm"

# in_root <command line>: as root in the clone, with the environment of a
# fresh login rather than this machine's; bounded, so that nothing hangs CI.
in_root() {
  timeout --kill-after=60 "${TALLOWICK_CI_STAGE_LIMIT:-2700}" \
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c "cd /root/tallowick && $1"
}

# The pictures are kept with the logs, for a look when a check fails.
check_screenshot() {
  cp "$root/root/tallowick/tallowick-screenshot.png" "$log_dir/$release-screenshot.png" || return
  scripts/ci/check-picture.sh "$log_dir/$release-screenshot.png"
}

wayland_session() {
  local status=0
  in_root scripts/ci/wayland-session.sh || status=$?
  cp "$root/root/tallowick/wayland-screenshot.png" "$log_dir/$release-wayland-screenshot.png" 2>/dev/null
  return "$status"
}

# A test command must close with its count and no failure.
run_counted_tests() {
  local command=$1 stage_log=$2 closing
  in_root "$command" || return
  closing=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$log_dir/$release-$stage_log.log" | tail -n 1)
  echo "closing line: $closing"
  [[ "$closing" =~ ^[1-9][0-9]*\ passed,\ 0\ failed$ ]]
}

run_tests() {
  run_counted_tests "TALLOWICK_TEST_QUICK=1 scripts/test.sh" tests
}

run_web_tests() {
  run_counted_tests scripts/test-web.sh web-tests
}

# Every stage runs, so that one failure does not hide another.
failures=0
stage "scripts/run.sh" in_root scripts/run.sh || failures=$((failures + 1))
stage "screenshot" check_screenshot || failures=$((failures + 1))
stage "tests" run_tests || failures=$((failures + 1))
if [ "$TALLOWICK_CI_WAYLAND" = 1 ]; then
  stage "wayland" wayland_session || failures=$((failures + 1))
fi
if [ "$TALLOWICK_CI_WEB" = 1 ]; then
  stage "web tests" run_web_tests || failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]
