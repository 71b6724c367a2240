#!/usr/bin/env bash
# Installs what Tallowick needs to build, run and test, skipping whatever is
# already present. Safe to run again. Needs root, or sudo on a desktop.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi

DEBIAN_PACKAGES=(
  build-essential cmake pkg-config git ca-certificates
  libglfw3-dev libx11-dev libxrandr-dev libxtst-dev libimgui-dev libstb-dev
  libvulkan1 mesa-vulkan-drivers
  glslang-tools spirv-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool imagemagick x11-utils
  clang libclang-rt-14-dev
)

missing=()
for pkg in "${DEBIAN_PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done

# npm installs the pinned WebGPU library; some machines ship Node.js with npm bundled.
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)

. /etc/os-release
backports_list=/etc/apt/sources.list.d/tallowick-backports.list
needs_backports_mesa=0
if [ "${VERSION_CODENAME:-}" = "bookworm" ]; then
  mesa_version=$(dpkg-query -W -f='${Version}' mesa-vulkan-drivers 2>/dev/null || true)
  case "$mesa_version" in 2[5-9].*|[3-9][0-9].*) ;; *) needs_backports_mesa=1 ;; esac
fi

if [ ${#missing[@]} -gt 0 ] || [ "$needs_backports_mesa" = 1 ]; then
  if [ "$needs_backports_mesa" = 1 ] && [ ! -f "$backports_list" ]; then
    echo "deb http://deb.debian.org/debian bookworm-backports main" | $SUDO tee "$backports_list" >/dev/null
  fi
  $SUDO apt-get update -qq
  if [ ${#missing[@]} -gt 0 ]; then
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  if [ "$needs_backports_mesa" = 1 ]; then
    # lavapipe from bookworm itself lacks a Vulkan feature the WebGPU library requires.
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      -t bookworm-backports mesa-vulkan-drivers
  fi
fi

installed_dawn=$(node -p 'require("./node_modules/bun-webgpu-linux-x64/package.json").version' 2>/dev/null || true)
if [ "$installed_dawn" != "0.1.7" ]; then
  npm ci --no-audit --no-fund --ignore-scripts
fi
