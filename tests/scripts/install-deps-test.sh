#!/usr/bin/env bash
# Runs scripts/install-deps.sh against stand-ins for dpkg-query, apt-get,
# apt-cache, node, npm and sudo that record what they are asked, on a sample
# Debian 12 (or 13) with its APT sources in a folder of its own: nothing on this
# machine is installed or changed. Checks what it installs, in which order,
# from which mirror, and how it fails.
set -uo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL [$case_name]: $*"
  failures=$((failures + 1))
}

mkdir -p "$work/bin"
# Packages are installed unless named in $FAKE_MISSING; mesa-vulkan-drivers
# has version $FAKE_MESA, clang depends on clang-$FAKE_CLANG.
cat >"$work/bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
for package; do :; done
case " $FAKE_MISSING " in *" $package "*) exit 1 ;; esac
case "$*" in
  *'${Version}'*) printf '%s' "$FAKE_MESA" ;;
  *'${Depends}'*) printf 'clang-%s (>= 1:%s.0)' "$FAKE_CLANG" "$FAKE_CLANG" ;;
  *) printf 'install ok installed' ;;
esac
EOF
cat >"$work/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
echo "apt-get $*" >>"$FAKE_CALLS"
for i in $(seq 1 20); do echo "Unpacking package $i ..."; done
if [[ "$*" == *update* ]]; then
  for source in "$TALLOWICK_APT_DIR"/sources.list.d/tallowick-backports.*; do
    [ -f "$source" ] && cp "$source" "$FAKE_CALLS.source-at-update"
  done
fi
exit 0
EOF
cat >"$work/bin/apt-cache" <<'EOF'
#!/usr/bin/env bash
# Output of the real shape, long enough to outlast a reader that stops early.
case "$1" in
  madison)
    [ -z "${FAKE_MIRROR_HAS_BACKPORTS:-}" ] ||
      echo "mesa-vulkan-drivers | 25.0.7-2~bpo12+1 | http://mirror/debian bookworm-backports/main amd64 Packages"
    printf 'mesa-vulkan-drivers | 22.3.6-1+deb12u%s | http://mirror/debian bookworm/main amd64 Packages\n' $(seq 1 3000) ;;
  depends)
    printf 'clang\n  Depends: clang-%s\n' "$FAKE_CLANG"
    printf '  Depends: libclang-common-%s-dev\n' $(seq 1 3000) ;;
esac
EOF
cat >"$work/bin/node" <<'EOF'
#!/usr/bin/env bash
case "$*" in
  *package-lock.json*) echo 0.1.7 ;;
  *) [ -n "${FAKE_DAWN:-}" ] && echo "$FAKE_DAWN" || exit 1 ;;
esac
EOF
cat >"$work/bin/npm" <<'EOF'
#!/usr/bin/env bash
echo "npm $*" >>"$FAKE_CALLS"
EOF
cat >"$work/bin/sudo" <<'EOF'
#!/usr/bin/env bash
exec "$@"
EOF
chmod +x "$work/bin"/*
echo 'VERSION_CODENAME=bookworm' >"$work/os-release"
echo 'VERSION_CODENAME=trixie' >"$work/os-release-trixie"

# new_case <name>: a Debian 12 whose only source is a company mirror, with
# everything installed, Mesa from bookworm and Dawn in place.
new_case() {
  case_name=$1
  export TALLOWICK_APT_DIR="$work/$case_name/apt" FAKE_CALLS="$work/$case_name/calls"
  mkdir -p "$TALLOWICK_APT_DIR/sources.list.d"
  printf 'Types: deb\nURIs: http://mirror.corp.example/debian\nSuites: bookworm bookworm-updates\nComponents: main\n' \
    >"$TALLOWICK_APT_DIR/sources.list.d/debian.sources"
  : >"$FAKE_CALLS"
  export FAKE_MISSING="" FAKE_MESA=22.3.6-1+deb12u1 FAKE_DAWN=0.1.7 FAKE_MIRROR_HAS_BACKPORTS=1 FAKE_CLANG=14
  export OS_RELEASE="$work/os-release"
  unset TALLOWICK_DEPS_FOR TALLOWICK_COMMAND
}

install_deps() {
  output=$(env -u TALLOWICK_DEPS_INSTALLED -u TALLOWICK_SOFTWARE_VULKAN PATH="$work/bin:$PATH" TALLOWICK_OS_RELEASE="$OS_RELEASE" TALLOWICK_LOG_DIR="$work/$case_name/logs" \
    DISPLAY="" "$repo/scripts/install-deps.sh" 2>&1)
  status=$?
  calls=$(cat "$FAKE_CALLS")
}

expect_calls() {
  [ "$calls" = "$1" ] || fail "calls:"$'\n'"$calls"$'\n'"expected:"$'\n'"$1"$'\n'"output:"$'\n'"$output"
}

new_case everything-installed
FAKE_MESA=25.0.7-2~bpo12+1 install_deps
[ "$status" -eq 0 ] || fail "status $status: $output"
expect_calls ""
[ "$output" = "==> Dependencies: all installed" ] || fail "output: $output"

# Old Mesa and a missing package: the backports source from the machine's
# mirror is in place before the package lists are updated, Mesa comes from
# backports alone and the package manager's output stays out of the terminal.
new_case old-mesa
FAKE_MISSING="xdotool mesa-vulkan-drivers libclang-rt-14-dev" install_deps
[ "$status" -eq 0 ] || fail "status $status: $output"
expect_calls "apt-get -y -q -o Dpkg::Use-Pty=0 update
apt-get -y -q -o Dpkg::Use-Pty=0 install --no-install-recommends xdotool libclang-rt-14-dev
apt-get -y -q -o Dpkg::Use-Pty=0 install --no-install-recommends -t bookworm-backports mesa-vulkan-drivers"
grep -q '^URIs: http://mirror.corp.example/debian$' "$FAKE_CALLS.source-at-update" 2>/dev/null ||
  fail "backports source at update: $(cat "$FAKE_CALLS.source-at-update" 2>&1)"
grep -q "replaces the system's GL/EGL/GBM/DRM libraries" <<<"$output" || fail "no line about the graphics stack: $output"
[ "$(wc -l <<<"$output")" -le 6 ] || fail "too much output: $output"

# Only the program, without a screen: what only the tests need stays out.
new_case program-only
FAKE_MESA=25.0.7-2~bpo12+1 FAKE_MISSING="clang xdotool cmake" TALLOWICK_DEPS_FOR=program install_deps
[ "$status" -eq 0 ] || fail "status $status: $output"
expect_calls "apt-get -y -q -o Dpkg::Use-Pty=0 update
apt-get -y -q -o Dpkg::Use-Pty=0 install --no-install-recommends cmake"

# A mirror without bookworm-backports: stop before installing anything, take
# the source out again, and say what to add by hand.
new_case mirror-without-backports
mkdir -p "$work/$case_name/logs" && echo "an earlier run" >"$work/$case_name/logs/install-deps.log"
FAKE_MIRROR_HAS_BACKPORTS="" FAKE_MISSING="xdotool" TALLOWICK_COMMAND=scripts/run.sh install_deps
[ "$status" -ne 0 ] || fail "succeeded: $output"
grep -q "an earlier run" "$work/$case_name/logs/install-deps.log" || fail "earlier log lost"
grep -q "mirror http://mirror.corp.example/debian .*run scripts/run.sh again" <<<"${output//$'\n'/ }" || fail "output: $output"
[ -z "$(ls "$TALLOWICK_APT_DIR/sources.list.d" | grep tallowick)" ] || fail "source left behind"
grep -q "install" "$FAKE_CALLS" && fail "installed something: $calls"

# No Debian source to take the mirror from: stop before apt does anything.
new_case no-debian-source
rm "$TALLOWICK_APT_DIR/sources.list.d/debian.sources"
install_deps
[ "$status" -ne 0 ] || fail "succeeded: $output"
expect_calls ""
grep -q "found no source for Debian bookworm" <<<"$output" || fail "output: $output"

# Debian 13: Mesa and clang's runtime are the release's own; a machine without
# clang learns its runtime's name from the updated package lists.
new_case trixie
OS_RELEASE="$work/os-release-trixie" FAKE_CLANG=19 FAKE_MISSING="clang libclang-rt-19-dev mesa-vulkan-drivers" install_deps
[ "$status" -eq 0 ] || fail "status $status: $output"
expect_calls "apt-get -y -q -o Dpkg::Use-Pty=0 update
apt-get -y -q -o Dpkg::Use-Pty=0 install --no-install-recommends mesa-vulkan-drivers clang libclang-rt-19-dev"

# Dawn missing: npm ci puts it in place.
new_case dawn-missing
FAKE_MESA=25.0.7-2~bpo12+1 FAKE_DAWN="" install_deps
[ "$status" -eq 0 ] || fail "status $status: $output"
expect_calls "npm ci --no-audit --no-fund --ignore-scripts"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all install-deps checks passed"
