# shellcheck shell=bash
# The browser build's tools: Emscripten 3.1.69 or later, CMake and the core
# of Dear ImGui from Debian's source package. Debian 13 and later have them in
# their own archive: they are installed on the machine. Debian 12's Emscripten
# is too old: there they are installed in a Debian 13 root made with
# debootstrap and kept for later runs, and the build runs inside it, on this
# checkout. Sourced by scripts/run-web.sh and scripts/test-web.sh, which run
# from the repository's root and have sourced scripts/lib/steps.sh.
#
# TALLOWICK_WEB_ROOT (default /var/cache/tallowick-web/trixie) is where the
# Debian 13 root is kept.

. scripts/lib/apt-sources.sh
. scripts/ci/lib/root.sh

web_packages=(emscripten cmake make dpkg-dev ca-certificates)
web_minimum_emscripten=3.1.69
web_root=${TALLOWICK_WEB_ROOT:-/var/cache/tallowick-web/trixie}
if [ "$(id -u)" -eq 0 ]; then WEB_SUDO=(); else WEB_SUDO=(sudo); fi

web_log() {
  log_path install-web-deps.log
}

web_apt_get() {
  "${WEB_SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o Dpkg::Use-Pty=0 "$@"
}

# Whether this machine's own archive offers a recent enough Emscripten.
web_host_has_emscripten() {
  local policy candidate
  policy=$(apt-cache policy emscripten 2>/dev/null || true)
  candidate=$(awk '/Candidate:/ { print $2; exit }' <<<"$policy")
  [ -n "$candidate" ] && [ "$candidate" != "(none)" ] &&
    dpkg --compare-versions "$candidate" ge "$web_minimum_emscripten"
}

web_missing_packages() {
  local pkg status
  for pkg in "${web_packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || echo "$pkg"
  done
}

web_install_on_host() {
  local log missing
  log=$(web_log)
  mapfile -t missing < <(web_missing_packages)
  [ ${#missing[@]} -eq 0 ] && return 0
  step "Installing the browser build's tools from Debian: ${missing[*]}"
  run_logged "installing ${missing[*]}" "$log" web_apt_get install --no-install-recommends "${missing[@]}"
}

# Runs a command inside the Debian 13 root as root, with /proc and /dev
# mounted in a mount namespace of its own (gone when the command ends).
web_in_root_as_root() {
  "${WEB_SUDO[@]}" unshare --mount --fork --propagation private bash -c '
    root=$1; shift
    mount -t proc proc "$root/proc" && mount --bind /dev "$root/dev" &&
      cp /etc/resolv.conf "$root/etc/resolv.conf" &&
      chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
  ' _ "$web_root" "$@"
}

# Makes the Debian 13 root the first time (from the bootstrapped base CI
# keeps too), and installs in it what it lacks.
web_prepare_root() {
  local log tarball
  log=$(web_log)
  if [ ! -x "$web_root/usr/bin/apt-get" ]; then
    if ! command -v debootstrap >/dev/null 2>&1; then
      step "Installing debootstrap, which makes the Debian 13 root"
      run_logged "apt-get update" "$log" web_apt_get update
      run_logged "installing debootstrap" "$log" web_apt_get install --no-install-recommends debootstrap
    fi
    step "Making a Debian 13 root for Emscripten in $web_root (once; Debian 12's Emscripten is too old)"
    tarball=$("${WEB_SUDO[@]}" env TALLOWICK_CI_CACHE="$(ci_cache_dir)" bash -c \
      '. scripts/lib/apt-sources.sh && . scripts/ci/lib/root.sh && ci_base_tarball trixie "$1"' _ "$log") || {
      report_failure "making the Debian 13 base with debootstrap" "$log"
      return 1
    }
    "${WEB_SUDO[@]}" rm -rf --one-file-system "$web_root.part"
    "${WEB_SUDO[@]}" mkdir -p "$web_root.part"
    "${WEB_SUDO[@]}" tar -C "$web_root.part" -xf "$tarball"
    "${WEB_SUDO[@]}" cp /etc/ssl/certs/ca-certificates.crt "$web_root.part/etc/ssl/certs/ca-certificates.crt"
    "${WEB_SUDO[@]}" mv "$web_root.part" "$web_root"
  fi
  if ! web_root_is_complete; then
    step "Installing Emscripten, CMake and dpkg-dev in the Debian 13 root (a few minutes, once)"
    # What an install that was interrupted left unpacked or half-configured
    # is configured where it can be, and completed by apt where it lacks what
    # it needs; then the tools are installed.
    { echo "=== dpkg --configure -a in the Debian 13 root"; web_in_root_as_root dpkg --configure -a; } \
      >>"$log" 2>&1 </dev/null || true
    run_logged "apt-get update in the Debian 13 root" "$log" web_in_root_as_root apt-get -q update
    run_logged "completing what an interrupted install left in the Debian 13 root" "$log" \
      web_in_root_as_root apt-get -y -q -o Dpkg::Use-Pty=0 install -f --no-install-recommends
    run_logged "installing ${web_packages[*]} in the Debian 13 root" "$log" \
      web_in_root_as_root apt-get -y -q -o Dpkg::Use-Pty=0 install --no-install-recommends "${web_packages[@]}"
    web_in_root_as_root apt-get clean
  fi
}

# Whether the root's package database has every tool installed and nothing
# left half-done (by an install that was interrupted): the tools' own files
# may all be there while a library they need is not configured.
web_root_is_complete() {
  local admin=$web_root/var/lib/dpkg pkg status
  for pkg in "${web_packages[@]}"; do
    status=$(dpkg-query --admindir="$admin" -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || return 1
  done
  [ -z "$(dpkg --admindir="$admin" --audit 2>&1)" ] && [ -z "$(ls -A "$admin/updates" 2>/dev/null)" ]
}

# Where the tools run: "host" or "root".
web_toolchain_place() {
  if web_host_has_emscripten; then echo host; else echo root; fi
}

# web_run <command...>: runs a command of the browser build on this checkout,
# as the user who ran the script, with the tools: here, or inside the root,
# where the checkout is mounted at the same path.
web_run() {
  if [ "$WEB_PLACE" = host ]; then
    "$@"
    return
  fi
  "${WEB_SUDO[@]}" unshare --mount --fork --propagation private bash -c '
    root=$1 checkout=$2 user=$3 home=$4; shift 4
    mount -t proc proc "$root/proc" && mount --bind /dev "$root/dev" &&
      mount -t tmpfs -o mode=1777 tmpfs "$root/tmp" &&
      mkdir -p "$root$checkout" && mount --bind "$checkout" "$root$checkout" &&
      chroot --userspec="$user" "$root" /usr/bin/env -i HOME="$home" LANG=C.UTF-8 \
        PATH=/usr/local/bin:/usr/bin:/bin bash -c "cd \"\$0\" && \"\$@\"" "$checkout" "$@"
  ' _ "$web_root" "$PWD" "$(id -u):$(id -g)" /tmp "$@"
}

# The UI library's ready-made bindings and examples: never compiled, opened or read.
web_remove_bundled_bindings() {
  local folder
  for folder in backends examples; do
    rm -rf "${1:?}/$folder"
  done
}

# The core of Dear ImGui from Debian's source package of the tools' release,
# unpacked into build-web-deps/imgui without its bindings and examples.
web_fetch_imgui() {
  local deps=$PWD/build-web-deps log
  log=$(web_log)
  if [ -f "$deps/imgui/imgui.cpp" ]; then
    web_remove_bundled_bindings "$deps/imgui"
    return 0
  fi
  step "Fetching the Debian source package imgui into $deps/imgui"
  mkdir -p "$deps"
  rm -rf "$deps/imgui" "$deps/imgui.part" "$deps/download-imgui"
  mkdir -p "$deps/download-imgui"
  if [ "$WEB_PLACE" = root ]; then
    web_prepare_root_sources
    # A folder of this run's own: another checkout may fetch at the same time.
    local download=/var/tmp/imgui-$$
    run_logged "apt-get source imgui in the Debian 13 root" "$log" web_in_root_as_root \
      bash -c 'rm -rf "$0" && mkdir -p "$0" && cd "$0" && apt-get source --download-only --only-source imgui' "$download"
    cp "$web_root$download"/imgui_* "$deps/download-imgui/"
    "${WEB_SUDO[@]}" rm -rf "$web_root$download"
  else
    web_prepare_host_sources
    (cd "$deps/download-imgui" &&
      run_logged "apt-get source imgui" "$log" apt-get source --download-only --only-source imgui)
  fi
  # With the tools' dpkg-source (the root's where there is one), into a folder
  # that takes the package's name only once whole.
  run_logged "unpacking imgui" "$log" web_run \
    bash -c 'cd "$1" && dpkg-source -x ./*.dsc "$2"' _ "$deps/download-imgui" "$deps/imgui.part"
  web_remove_bundled_bindings "$deps/imgui.part"
  mv "$deps/imgui.part" "$deps/imgui"
  rm -rf "$deps/download-imgui"
}

# Source lines added to the root's APT sources, and their index fetched (again
# where a run was interrupted between the two).
web_prepare_root_sources() {
  if ! grep -q '^deb-src' "$web_root/etc/apt/sources.list" 2>/dev/null; then
    sed -n 's/^deb /deb-src /p' "$web_root/etc/apt/sources.list" |
      "${WEB_SUDO[@]}" tee -a "$web_root/etc/apt/sources.list" >/dev/null
  fi
  [ -n "$(web_in_root_as_root apt-cache showsrc --only-source imgui 2>/dev/null)" ] && return 0
  run_logged "apt-get update in the Debian 13 root" "$(web_log)" web_in_root_as_root apt-get -q update
}

web_prepare_host_sources() {
  local codename text
  text=$(apt-cache showsrc --only-source imgui 2>/dev/null || true)
  [ -n "$text" ] && return 0
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  derive_source_packages_source "$codename" || {
    echo "FAILED: found no Debian $codename source (main) in $(apt_dir) to take the mirror from; add a deb-src line for it by hand." >&2
    return 1
  }
  printf '%s\n' "$SOURCE_PACKAGES_TEXT" |
    "${WEB_SUDO[@]}" tee "$(apt_dir)/sources.list.d/$SOURCE_PACKAGES_FILE" >/dev/null
  run_logged "apt-get update" "$(web_log)" web_apt_get update
}

# Installs what the browser build needs, wherever it runs; sets WEB_PLACE.
web_prepare_toolchain() {
  local log
  log=$(web_log)
  echo "=== $(date '+%F %T') ${TALLOWICK_COMMAND:-browser build}" >>"$log"
  if ! web_host_has_emscripten && [ -z "$(apt-cache policy emscripten 2>/dev/null)" ]; then
    run_logged "apt-get update" "$log" web_apt_get update
  fi
  WEB_PLACE=$(web_toolchain_place)
  if [ "$WEB_PLACE" = host ]; then
    web_install_on_host
  else
    web_prepare_root
  fi
  web_fetch_imgui
}

# web_build <build folder>: configures and builds the page with Emscripten's
# CMake toolchain; the page is left in <build folder>/page.
web_build() {
  local build_dir=$1 log
  log=$(log_path "$(basename "$build_dir").log")
  : >"$log"
  step "Building the page in $build_dir/ (output: $log)"
  run_logged "configuring $build_dir/ with Emscripten's CMake" "$log" web_run \
    emcmake cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DTALLOWICK_WARNINGS_AS_ERRORS=ON
  run_logged "building $build_dir/" "$log" web_run cmake --build "$build_dir" -j "$(nproc)" --target tallowick
}

# What drives the page: Node.js with npm, Debian's Chromium and Firefox, and
# the pinned Puppeteer (scripts/web/package-lock.json), which never downloads
# a browser.
web_prepare_browser() {
  local log missing=()
  log=$(web_log)
  command -v node >/dev/null 2>&1 || missing+=(nodejs)
  command -v npm >/dev/null 2>&1 || missing+=(npm)
  [ -x "${TALLOWICK_CHROMIUM:-/usr/bin/chromium}" ] || missing+=(chromium)
  [ -x "${TALLOWICK_FIREFOX:-/usr/bin/firefox-esr}" ] || missing+=(firefox-esr)
  # Firefox's WebGPU draws through Vulkan: without a GPU, on Mesa's lavapipe.
  [ "$(dpkg-query -W -f='${Status}' mesa-vulkan-drivers 2>/dev/null)" = "install ok installed" ] ||
    missing+=(mesa-vulkan-drivers)
  if [ ${#missing[@]} -gt 0 ]; then
    step "Installing what drives the page from Debian: ${missing[*]}"
    run_logged "apt-get update" "$log" web_apt_get update
    run_logged "installing ${missing[*]}" "$log" web_apt_get install --no-install-recommends "${missing[@]}"
  fi
  local installed=scripts/web/node_modules/.package-lock.json
  if [ ! -f "$installed" ] || [ scripts/web/package-lock.json -nt "$installed" ]; then
    step "Installing Puppeteer (npm puppeteer-core, as pinned in scripts/web/package-lock.json)"
    run_logged "npm ci in scripts/web" "$log" env PUPPETEER_SKIP_DOWNLOAD=1 \
      npm ci --prefix scripts/web --no-audit --no-fund --ignore-scripts
  fi
}

# web_prepare_and_build <build folder>: everything the page needs, then the
# page itself, in <build folder>/page.
web_prepare_and_build() {
  web_prepare_toolchain
  web_prepare_browser
  web_build "$1"
}

# web_serve_in_background <folder> <port>: serves the folder on 127.0.0.1
# until the calling script ends; sets WEB_ADDRESS to the page's address.
web_serve_in_background() {
  local address_file server
  address_file=$(mktemp)
  node scripts/web/serve.mjs "$1" "$2" >"$address_file" &
  server=$!
  # shellcheck disable=SC2064 # the values are fixed now
  trap "kill $server 2>/dev/null || true; rm -f '$address_file'" EXIT
  for _ in $(seq 1 300); do
    [ -s "$address_file" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
  done
  WEB_ADDRESS=$(head -n 1 "$address_file")
  [ -n "$WEB_ADDRESS" ] || {
    echo "FAILED: $1 could not be served on 127.0.0.1 (is port $2 in use?)" >&2
    return 1
  }
}
