#!/usr/bin/env bash
# Installs what the Windows program needs to be built and run here, skipping
# whatever is present: the Linux dependencies (scripts/install-deps.sh: the
# tests and the helper that closes windows are Linux programs), MinGW-w64 and
# wine; Dawn for Windows from npm, checked against its pinned integrity hash;
# GLFW and Dear ImGui from Debian's source packages, GLFW cross-built. What is
# fetched and built goes to build-windows-deps/. Prints one line per step; the
# tools' output goes to logs/install-windows-deps.log.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${TALLOWICK_WINDOWS_DEPS_INSTALLED:-}" ] && exit 0
. scripts/lib/steps.sh
. scripts/lib/apt-sources.sh
. scripts/lib/windows-pins.sh

scripts/install-deps.sh
if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi
apt_get() {
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o Dpkg::Use-Pty=0 "$@"
}
log=$(log_path install-windows-deps.log)
echo "=== $(date '+%F %T') ${TALLOWICK_COMMAND:-scripts/install-windows-deps.sh}" >>"$log"
deps=$PWD/build-windows-deps
mkdir -p "$deps"

installed() {
  local status
  status=$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)
  [ "$status" = "install ok installed" ]
}

# --- Debian packages ------------------------------------------------------------
packages=(gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix wine64 dpkg-dev zip xdotool)
missing=()
for pkg in "${packages[@]}"; do
  installed "$pkg" || missing+=("$pkg")
done
apt_updated=0
if [ ${#missing[@]} -gt 0 ]; then
  step "Installing Debian packages for the Windows build: ${missing[*]}"
  run_logged "apt-get update" "$log" apt_get update
  apt_updated=1
  run_logged "installing Debian packages" "$log" apt_get install --no-install-recommends "${missing[@]}"
fi

# --- Debian source packages -------------------------------------------------------
. "${TALLOWICK_OS_RELEASE:-/etc/os-release}"
codename="${VERSION_CODENAME:-}"
source_version() {
  local text
  text=$(apt-cache showsrc --only-source "$1" 2>/dev/null || true)
  awk '/^Version:/ { print $2; exit }' <<<"$text"
}
if [ -z "$(source_version glfw3)" ]; then
  derive_source_packages_source "$codename" || {
    echo "FAILED: found no Debian $codename source (main) in $(apt_dir)/sources.list or $(apt_dir)/sources.list.d/ to take the mirror from; add a deb-src line for it by hand." >&2
    exit 1
  }
  added="$(apt_dir)/sources.list.d/$SOURCE_PACKAGES_FILE"
  step "Adding Debian $codename source packages (deb-src), from the mirror in $SOURCE_PACKAGES_ORIGIN, as $added"
  printf '%s\n' "$SOURCE_PACKAGES_TEXT" | "${SUDO[@]}" tee "$added" >/dev/null
  run_logged "apt-get update" "$log" apt_get update
  apt_updated=1
fi

# The UI library's ready-made bindings and examples: the program has its own,
# and these are never compiled, opened or read.
remove_bundled_bindings() {
  local folder
  for folder in backends examples; do
    rm -rf "${deps:?}/imgui/$folder"
  done
}

# Unpacks a source package into build-windows-deps/<name> unless that version
# is there already.
fetch_source() {
  local name=$1 version
  version=$(source_version "$name")
  [ -n "$version" ] || { echo "FAILED: the package lists offer no source of $name" >&2; exit 1; }
  echo "    $name $version (Debian source package)"
  if [ "$(cat "$deps/$name.version" 2>/dev/null)" = "$version" ] && [ -d "$deps/$name" ]; then
    return 0
  fi
  step "Fetching the Debian source package $name $version"
  rm -rf "$deps/$name" "$deps/download-$name"
  mkdir -p "$deps/download-$name"
  (cd "$deps/download-$name" &&
    run_logged "apt-get source $name" "$log" apt-get source --download-only --only-source "$name=$version" &&
    run_logged "unpacking $name" "$log" dpkg-source -x ./*.dsc "$deps/$name")
  if [ "$name" = imgui ]; then
    remove_bundled_bindings
  fi
  rm -rf "$deps/download-$name" "$deps/$name"_*.orig.*
  echo "$version" >"$deps/$name.version"
}
step "Source packages for the Windows build"
for name in $WINDOWS_SOURCE_PACKAGES; do
  fetch_source "$name"
done
remove_bundled_bindings

# --- Dawn for Windows -------------------------------------------------------------
dawn="$deps/dawn"
dawn_id="$WINDOWS_DAWN_PACKAGE@$WINDOWS_DAWN_VERSION $WINDOWS_DAWN_INTEGRITY"
if [ "$(cat "$dawn/pinned" 2>/dev/null)" != "$dawn_id" ] || [ ! -f "$dawn/webgpu_wrapper.dll" ]; then
  step "Fetching the WebGPU library for Windows (npm $WINDOWS_DAWN_PACKAGE $WINDOWS_DAWN_VERSION) with npm pack"
  rm -rf "$dawn" "$deps/dawn-pack"
  mkdir -p "$deps/dawn-pack"
  run_logged "npm pack" "$log" npm pack --silent --pack-destination "$deps/dawn-pack" \
    "$WINDOWS_DAWN_PACKAGE@$WINDOWS_DAWN_VERSION"
  tarball=$(compgen -G "$deps/dawn-pack/*.tgz")
  integrity="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)"
  if [ "$integrity" != "$WINDOWS_DAWN_INTEGRITY" ]; then
    echo "FAILED: $tarball has integrity $integrity, pinned: $WINDOWS_DAWN_INTEGRITY" >&2
    rm -rf "$deps/dawn-pack"
    exit 1
  fi
  mkdir -p "$dawn"
  tar -xzf "$tarball" -C "$dawn" --strip-components=1
  rm -rf "$deps/dawn-pack"
  echo "$dawn_id" >"$dawn/pinned"
fi
echo "    $WINDOWS_DAWN_PACKAGE $WINDOWS_DAWN_VERSION (npm, $WINDOWS_DAWN_INTEGRITY)"

# --- GLFW for Windows -------------------------------------------------------------
glfw_version=$(cat "$deps/glfw3.version")
if [ "$(cat "$deps/glfw-install/built-from" 2>/dev/null)" != "$glfw_version" ]; then
  step "Cross-building GLFW $glfw_version for Windows into $deps/glfw-install"
  rm -rf "$deps/glfw-build" "$deps/glfw-install"
  start=$SECONDS
  run_logged "configuring GLFW" "$log" cmake -S "$deps/glfw3" -B "$deps/glfw-build" \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$deps/glfw-install" -DBUILD_SHARED_LIBS=OFF \
    -DGLFW_BUILD_EXAMPLES=OFF -DGLFW_BUILD_TESTS=OFF -DGLFW_BUILD_DOCS=OFF
  run_logged "building GLFW" "$log" cmake --build "$deps/glfw-build" -j "$(nproc)"
  run_logged "installing GLFW" "$log" cmake --install "$deps/glfw-build"
  echo "$glfw_version" >"$deps/glfw-install/built-from"
  echo "    GLFW built in $((SECONDS - start)) s"
fi
step "Windows dependencies: all in $deps"
