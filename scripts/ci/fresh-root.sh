#!/usr/bin/env bash
# fresh-root.sh <release> [--wayland] [--web]: tries the README's two commands as a new
# user of Debian <release> (bookworm, trixie) would, as root, in a fresh root
# made with debootstrap (minbase with git, ca-certificates and sudo) from the
# mirror this machine uses: scripts/run.sh, its screenshot checked for the
# clear colour and the triangle, then TALLOWICK_TEST_QUICK=1 scripts/test.sh,
# which must end "<N> passed, 0 failed". With --wayland the program then runs
# once in a Wayland session (scripts/ci/wayland-session.sh); with --web the
# browser build's tests run too (scripts/test-web.sh, on the release's own
# Emscripten).
#
# The root holds a clean clone of the repository's committed HEAD and nothing
# of the project's dependencies; the only thing taken from this machine is its
# CA bundle (a network that inspects TLS needs it). The bootstrapped base, the
# .deb files apt downloads and npm's cache are kept in TALLOWICK_CI_CACHE
# (default /var/cache/tallowick-ci). The root runs in mount and PID namespaces
# of its own and is removed at the end, also on failure or interruption.
#
# Prints one line per stage with its time; each stage's output is in
# ${TALLOWICK_CI_LOG_DIR:-logs/ci}/<release>-<stage>.log. Needs root.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/lib/apt-sources.sh
. scripts/ci/lib/root.sh

usage() {
  echo "usage: $0 bookworm|trixie [--wayland] [--web]" >&2
  exit 2
}
[ $# -ge 1 ] || usage
release=$1
shift
wayland=0
web=0
for option in "$@"; do
  case "$option" in
    --wayland) wayland=1 ;;
    --web) web=1 ;;
    *) usage ;;
  esac
done
case "$release" in bookworm | trixie) ;; *) usage ;; esac
[ "$(id -u)" -eq 0 ] || { echo "$0 needs root (debootstrap, chroot, mounts)" >&2; exit 2; }

# What this machine needs to make and check the root.
if ! command -v debootstrap >/dev/null 2>&1 || ! command -v convert >/dev/null 2>&1; then
  echo "==> Installing debootstrap and imagemagick on this machine"
  apt-get update -q >/dev/null &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap imagemagick >/dev/null ||
    { echo "$0: could not install debootstrap and imagemagick" >&2; exit 2; }
fi

log_dir=${TALLOWICK_CI_LOG_DIR:-logs/ci}
mkdir -p "$log_dir"
log_dir=$(cd "$log_dir" && pwd)

root_parent=""
namespace_pid=""
cleanup() {
  # unshare ignores SIGTERM while its child runs; killed, it takes every
  # process of the namespace with it (--kill-child).
  if [ -n "$namespace_pid" ]; then
    kill -KILL "$namespace_pid" 2>/dev/null || true
    wait "$namespace_pid" 2>/dev/null || true
  fi
  # The root's mounts live in its own mount namespace, gone with its last
  # process: seen from here the root is plain files.
  if [ -n "$root_parent" ] && [ -d "$root_parent" ]; then
    rm -rf --one-file-system "$root_parent"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Every command is checked: errexit does not hold inside a stage.
make_root() {
  local tarball cache
  cache=$(ci_cache_dir)
  tarball=$(ci_base_tarball "$release" /dev/stderr) || return
  mkdir -p "$cache/$release-apt/partial" "$cache/npm" "$root" || return
  tar -C "$root" -xf "$tarball" || return
  # Trust what this machine trusts, also after a package regenerates the bundle.
  cp /etc/ssl/certs/ca-certificates.crt "$root/etc/ssl/certs/ca-certificates.crt" || return
  mkdir -p "$root/usr/local/share/ca-certificates" || return
  cp /etc/ssl/certs/ca-certificates.crt "$root/usr/local/share/ca-certificates/tallowick-ci-host.crt" || return
  cp /etc/resolv.conf "$root/etc/resolv.conf" || return
  # The downloaded packages stay in the cache bound over the archives folder;
  # a download that fails for the network's sake is tried again.
  printf '%s\n' 'APT::Keep-Downloaded-Packages "true";' \
    'Binary::apt::APT::Keep-Downloaded-Packages "true";' 'Acquire::Retries "5";' \
    >"$root/etc/apt/apt.conf.d/90tallowick-ci" || return
  git clone -q --no-hardlinks "$(git rev-parse --git-common-dir)" "$root/root/tallowick" || return
  git -C "$root/root/tallowick" checkout -q -B ci "$(git rev-parse HEAD)" || return
  echo "root: $root from $tarball at $(git rev-parse --short HEAD)"
}

root_parent=$(mktemp -d /var/tmp/tallowick-ci-root.XXXXXX)
root="$root_parent/root"
stage "fresh root" make_root
export TALLOWICK_CI_ROOT=$root TALLOWICK_CI_RELEASE=$release TALLOWICK_CI_WAYLAND=$wayland
export TALLOWICK_CI_WEB=$web
export TALLOWICK_CI_LOG_DIR=$log_dir
# The clone's own copy runs: what is tried is what was committed.
unshare --mount --pid --fork --kill-child --propagation private \
  "$root/root/tallowick/scripts/ci/lib/in-namespace.sh" &
namespace_pid=$!
status=0
wait "$namespace_pid" || status=$?
namespace_pid=""
exit "$status"
