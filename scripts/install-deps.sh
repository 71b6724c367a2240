#!/usr/bin/env bash
# Installs what Tallowick needs to build, run and test, skipping whatever is
# already present. Safe to run again: with everything present it changes
# nothing. Needs root, or sudo on a desktop. Prints one line per step; the
# package managers' output goes to logs/install-deps.log.
#
# TALLOWICK_DEPS_FOR=program (set by scripts/run.sh) installs only what the
# program needs, and leaves the system's graphics stack alone where a Vulkan
# device and a screen are there already. TALLOWICK_SOFTWARE_VULKAN=1 installs
# Mesa's software Vulkan driver all the same. TALLOWICK_COMMAND (set by the
# scripts that call this one) names the command the user ran, for messages.
set -euo pipefail
cd "$(dirname "$0")/.."
# Set by scripts/test.sh once it has run this script, for the scripts it calls.
[ -n "${TALLOWICK_DEPS_INSTALLED:-}" ] && exit 0
. scripts/lib/steps.sh
. scripts/lib/apt-sources.sh

user_command="${TALLOWICK_COMMAND:-scripts/install-deps.sh}"
if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi
apt_get() {
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o Dpkg::Use-Pty=0 "$@"
}
log=$(log_path install-deps.log)
for_program_only=0
[ "${TALLOWICK_DEPS_FOR:-}" = program ] && for_program_only=1

# Each group: why it is needed, then its Debian packages.
groups_for_program=(
  "building|build-essential cmake pkg-config git ca-certificates glslang-tools"
  "the libraries it uses|libglfw3-dev libx11-dev libxrandr-dev libxtst-dev libimgui-dev libstb-dev libgtest-dev libgmock-dev"
  "Vulkan|libvulkan1 mesa-vulkan-drivers"
  "a screen where there is none, and screenshots|xvfb imagemagick x11-utils"
)
groups_for_tests=(
  "the tests|xdotool spirv-tools libbenchmark-dev"
  "the tests' OpenGL adapters (the WebGPU library opens libEGL.so)|libegl-dev"
  "the fuzz targets|clang @clang-runtime"
)
groups=("${groups_for_program[@]}")
[ "$for_program_only" = 1 ] || groups+=("${groups_for_tests[@]}")

installed() {
  local status
  status=$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)
  [ "$status" = "install ok installed" ]
}

# libFuzzer comes with the runtime of the distribution's default clang
# (libclang-rt-<major>-dev), whose version the clang package depends on: the
# installed one, or else the one the package lists offer.
clang_runtime_package() {
  local depends
  ! installed clang || depends=$(dpkg-query -W -f='${Depends}' clang 2>/dev/null || true)
  [ -n "${depends:-}" ] || depends=$(apt-cache depends clang 2>/dev/null || true)
  [[ "$depends" =~ clang-([0-9]+) ]] || return 1
  echo "libclang-rt-${BASH_REMATCH[1]}-dev"
}

# --- Which Mesa -----------------------------------------------------------------
# On Debian 12 the software Vulkan driver (lavapipe) must come from
# bookworm-backports: bookworm's own lacks a Vulkan feature the WebGPU library
# requires. Backports Mesa replaces the system's GL/EGL/GBM/DRM libraries too.
# Debian 13 (trixie) and later ship a recent enough Mesa of their own.
releases_needing_backports_mesa=(bookworm)
. "${TALLOWICK_OS_RELEASE:-/etc/os-release}"
codename="${VERSION_CODENAME:-}"
release_needs_backports_mesa() {
  [[ " ${releases_needing_backports_mesa[*]} " == *" $codename "* ]]
}
mesa_is_recent() {
  local version
  version=$(dpkg-query -W -f='${Version}' mesa-vulkan-drivers 2>/dev/null || true)
  case "$version" in 2[5-9].*|[3-9][0-9].*) return 0 ;; *) return 1 ;; esac
}
screen_present() {
  [ -n "${DISPLAY:-}" ] || return 1
  # Before x11-utils is installed the display is taken at its word.
  ! command -v xdpyinfo >/dev/null 2>&1 || xdpyinfo >/dev/null 2>&1
}
vulkan_manifest() {
  local manifest
  for manifest in /usr/share/vulkan/icd.d/$1 /etc/vulkan/icd.d/$1 /usr/local/share/vulkan/icd.d/$1; do
    [ -f "$manifest" ] && { basename "$manifest"; return 0; }
  done
  return 1
}
# The Vulkan driver of a GPU in this machine, where one is installed: Mesa's
# for Intel and AMD devices, NVIDIA's own for NVIDIA devices.
hardware_vulkan_driver() {
  local vendor
  for vendor in /sys/class/drm/renderD*/device/vendor; do
    [ -f "$vendor" ] || continue
    case "$(cat "$vendor")" in
      0x8086) vulkan_manifest 'intel_icd*.json' && return 0 ;;
      0x1002) vulkan_manifest 'radeon_icd*.json' && return 0 ;;
      0x10de) vulkan_manifest 'nvidia_icd*.json' && return 0 ;;
    esac
  done
  compgen -G '/dev/nvidia[0-9]*' >/dev/null && vulkan_manifest 'nvidia_icd*.json' && return 0
  return 1
}
gpu_present() {
  compgen -G '/sys/class/drm/renderD*' >/dev/null || compgen -G '/dev/nvidia[0-9]*' >/dev/null
}
# Only the program is to run, on a screen of this machine with a GPU: its own
# Vulkan driver will do (Mesa's hardware drivers cannot present to Xvfb, so a
# run without a screen needs lavapipe).
may_keep_graphics_stack() {
  [ "$for_program_only" = 1 ] && [ -z "${TALLOWICK_SOFTWARE_VULKAN:-}" ] && gpu_present && screen_present
}

# Where Mesa comes from: "system" (the distribution's own, already recent
# enough, or kept for this machine's GPU) or "backports".
mesa_from=system
if release_needs_backports_mesa && ! mesa_is_recent && ! may_keep_graphics_stack; then
  mesa_from=backports
fi

missing=()
missing_lines=()
# Set when the clang runtime's name can be known only from updated package lists.
clang_runtime_unresolved=0
scan_missing() {
  local group why pkg group_missing
  missing=()
  missing_lines=()
  clang_runtime_unresolved=0
  for group in "${groups[@]}"; do
    why=${group%%|*}
    group_missing=()
    for pkg in ${group#*|}; do
      # Mesa from backports is installed in a step of its own.
      [ "$pkg" = mesa-vulkan-drivers ] && [ "$mesa_from" = backports ] && continue
      if [ "$pkg" = @clang-runtime ]; then
        pkg=$(clang_runtime_package) || { clang_runtime_unresolved=1; continue; }
      fi
      installed "$pkg" || group_missing+=("$pkg")
    done
    if [ ${#group_missing[@]} -gt 0 ]; then
      missing+=("${group_missing[@]}")
      missing_lines+=("    for $why: ${group_missing[*]}")
    fi
  done
  # npm installs the pinned WebGPU library; some machines ship Node.js with npm bundled.
  if ! command -v npm >/dev/null 2>&1; then
    missing+=(nodejs npm)
    missing_lines+=("    for fetching the WebGPU library (Dawn): nodejs npm")
  fi
}
scan_missing

# --- Dawn ----------------------------------------------------------------------
dawn_version() {
  node -p "require('./$1').${2}" 2>/dev/null || true
}
dawn_installed() {
  local wanted installed
  wanted=$(dawn_version package-lock.json 'packages["node_modules/bun-webgpu-linux-x64"].version')
  installed=$(dawn_version node_modules/bun-webgpu-linux-x64/package.json version)
  [ -n "$wanted" ] && [ "$installed" = "$wanted" ]
}
dawn_missing=0
dawn_installed || dawn_missing=1
# Each run that changes something appends to the log under a dated header:
# what earlier runs logged stays.
if [ ${#missing[@]} -gt 0 ] || [ "$mesa_from" = backports ] || [ "$dawn_missing" = 1 ]; then
  printf '\n##### %s: %s\n' "$(date '+%F %T %Z')" "$user_command" >>"$log"
fi

apt_updated=0
apt_update() {
  [ "$apt_updated" = 1 ] && return 0
  step "Updating the package lists"
  run_logged "apt-get update" "$log" apt_get update || return
  apt_updated=1
}

# fail_no_backports <what went wrong>: one sentence on what to do follows it.
fail_no_backports() {
  echo "FAILED: $1" >&2
  echo "Tallowick needs Mesa from $codename-backports (see README: The graphics stack on Debian 12): once an APT" \
    "source of this machine carries $codename-backports, or the mirror answers again, run $user_command again." >&2
  exit 1
}

# The whole output is read before it is searched: a reader that stopped at the
# first match would kill apt-cache mid-write, and the pipeline would fail.
backports_available() {
  local versions
  versions=$(apt-cache madison mesa-vulkan-drivers 2>/dev/null || true)
  [[ "$versions" == *"$codename-backports"* ]]
}

# Makes $codename-backports available: derived from the machine's own Debian
# source unless some source has it already; fails with what to add by hand.
backports_ready=0
ensure_backports_source() {
  [ "$backports_ready" = 1 ] && return 0
  local added_source="" update_status=0
  if ! apt_suite_configured "$codename-backports"; then
    derive_backports_source "$codename" ||
      fail_no_backports "found no source for Debian $codename (main) in $(apt_dir)/sources.list or $(apt_dir)/sources.list.d/ to take the mirror from."
    added_source="$(apt_dir)/sources.list.d/$BACKPORTS_SOURCE_FILE"
    step "Adding $codename-backports, from the mirror in $BACKPORTS_SOURCE_ORIGIN, as $added_source"
    printf '%s\n' "$BACKPORTS_SOURCE_TEXT" | "${SUDO[@]}" tee "$added_source" >/dev/null
    apt_updated=0
  fi
  apt_update || update_status=$?
  if [ "$update_status" -eq 0 ] && backports_available; then
    backports_ready=1
    return 0
  fi
  local mirror
  if [ -n "$added_source" ]; then
    mirror="the mirror $(apt_source_uri "$BACKPORTS_SOURCE_TEXT") (taken from $BACKPORTS_SOURCE_ORIGIN)"
  else
    apt_suite_source "$codename-backports"
    mirror="the mirror $(apt_source_uri "$SUITE_SOURCE_TEXT") (in $SUITE_SOURCE_FILE)"
  fi
  local problem="$mirror offers no mesa-vulkan-drivers in $codename-backports"
  [ "$update_status" -eq 0 ] || problem="apt-get update failed with $mirror"
  if [ -n "$added_source" ]; then
    "${SUDO[@]}" rm -f "$added_source"
    apt_get update >>"$log" 2>&1 || true
    problem+="; the source written to $added_source has been taken out again"
  fi
  fail_no_backports "$problem; apt-get's output is in $log."
}

# The source comes first, so that a machine whose mirror cannot be found fails
# before anything is installed.
if [ "$mesa_from" = backports ]; then
  ensure_backports_source
fi

# On a machine that never had clang, its runtime's name needs the package lists.
if [ "$clang_runtime_unresolved" = 1 ]; then
  apt_update
  scan_missing
  if [ "$clang_runtime_unresolved" = 1 ]; then
    echo "FAILED: the package lists name no default clang (package clang) to take the fuzzing runtime's version from; apt-get's output is in $log." >&2
    exit 1
  fi
fi

if [ ${#missing[@]} -gt 0 ]; then
  apt_update
  step "Installing Debian packages (${#missing[@]})"
  printf '%s\n' "${missing_lines[@]}"
  run_logged "installing Debian packages" "$log" apt_get install --no-install-recommends "${missing[@]}"
fi

# Only the program is to run, with a screen and a GPU: bookworm's own Vulkan
# drivers (just installed, if they were missing) may drive it.
if release_needs_backports_mesa && [ "$mesa_from" = system ] && ! mesa_is_recent; then
  if driver=$(hardware_vulkan_driver); then
    step "Using this machine's Vulkan driver ($driver): the graphics stack stays as it is (see README: The graphics stack on Debian 12)"
  else
    mesa_from=backports
    ensure_backports_source
  fi
fi

if [ "$mesa_from" = backports ]; then
  step "Installing Mesa from $codename-backports for its software Vulkan driver; this replaces the system's GL/EGL/GBM/DRM libraries (see README: The graphics stack on Debian 12)"
  run_logged "installing Mesa from $codename-backports" "$log" \
    apt_get install --no-install-recommends -t "$codename-backports" mesa-vulkan-drivers
fi

# Checked again: Node.js may have been installed only now.
if ! dawn_installed; then
  dawn_missing=1
  step "Installing the WebGPU library (Dawn, npm bun-webgpu-linux-x64 as pinned in package-lock.json) into node_modules/ with npm ci"
  run_logged "npm ci" "$log" npm ci --no-audit --no-fund --ignore-scripts
fi

if [ ${#missing[@]} -eq 0 ] && [ "$mesa_from" = system ] && [ "$dawn_missing" = 0 ]; then
  step "Dependencies: all installed"
fi
