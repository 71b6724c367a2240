# Builds the Windows program. Sourced by scripts/run-windows.sh and
# scripts/test-windows.sh, which run from the repository's root.

WINDOWS_BUILD_DIR="${WINDOWS_BUILD_DIR:-build-windows}"

# Installs what is missing and builds tallowick.exe (with webgpu_wrapper.dll
# beside it) in $WINDOWS_BUILD_DIR/app; the output of CMake and the compiler
# goes to logs/<build folder>.log.
build_windows_program() {
  scripts/install-windows-deps.sh
  local log start
  log=$(log_path "$(basename "$WINDOWS_BUILD_DIR").log")
  : >"$log"
  step "Building tallowick.exe in $WINDOWS_BUILD_DIR/ (output: $log)"
  start=$SECONDS
  run_logged "configuring $WINDOWS_BUILD_DIR/ with CMake" "$log" \
    cmake -S . -B "$WINDOWS_BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DTALLOWICK_BUILD_TESTS=OFF -DTALLOWICK_BUILD_BENCH=OFF
  run_logged "building tallowick.exe" "$log" cmake --build "$WINDOWS_BUILD_DIR" -j "$(nproc)" --target tallowick
  echo "    built in $((SECONDS - start)) s"
  export TALLOWICK_WINDOWS_EXE="$PWD/$WINDOWS_BUILD_DIR/app/tallowick.exe"
}

# The Xvfb screen for the Windows program: wine draws the window's frame itself
# without a window manager, so the screen is larger than the window by it, and
# the client area sits at WINDOWS_WINDOW_ORIGIN (4 pixels of border, 19 of
# caption), where the Linux program's window sits at the origin.
WINDOWS_XVFB_SCREEN=1300x760x24
WINDOWS_WINDOW_ORIGIN=4,23

# Leaves $WINDOWS_BUILD_DIR/tallowick-windows-x64.zip: a folder a Windows user
# unpacks and runs, with the program, the WebGPU library and the licences of
# what is compiled in or shipped.
package_windows_program() {
  local deps=build-windows-deps stage="$WINDOWS_BUILD_DIR/package/tallowick"
  local zip_path="$PWD/$WINDOWS_BUILD_DIR/tallowick-windows-x64.zip"
  rm -rf "$WINDOWS_BUILD_DIR/package" "$zip_path"
  mkdir -p "$stage/licenses"
  # Stripped: its debug information (four fifths of its size) stays in the build.
  x86_64-w64-mingw32-strip -o "$stage/tallowick.exe" "$WINDOWS_BUILD_DIR/app/tallowick.exe"
  cp "$deps/dawn/webgpu_wrapper.dll" "$stage/"
  cp "$deps/dawn/LICENSE" "$stage/licenses/webgpu_wrapper-LICENSE.txt"
  cp "$deps/glfw3/LICENSE.md" "$stage/licenses/GLFW-LICENSE.txt"
  cp "$deps/imgui/LICENSE.txt" "$stage/licenses/DearImGui-LICENSE.txt"
  # stb_truetype and stb_rect_pack, compiled into Dear ImGui, carry their
  # licence at the end of their source.
  awk '/^\/\*$/ { text = "" } { text = text $0 "\n" } END { printf "%s", text }' \
    "$deps/imgui/imstb_truetype.h" >"$stage/licenses/stb-LICENSE.txt"
  cat >"$stage/README.txt" <<'TEXT'
Tallowick for Windows x86-64. Run tallowick.exe from this folder (a console
shows the echoed key and mouse-button events). It draws with Direct3D 12 when
dxcompiler.dll and dxil.dll (Microsoft's DirectX Shader Compiler) are placed
beside it, and with Vulkan otherwise (a Vulkan driver for the graphics card
must be installed).
TEXT
  (cd "$WINDOWS_BUILD_DIR/package" && zip -q -r "$zip_path" tallowick)
  step "Windows package: $zip_path"
}

# windows_package_without_debug_information: whether the program that went
# into the zip carries no debug sections, saying so.
windows_package_without_debug_information() {
  local exe="$WINDOWS_BUILD_DIR/package/tallowick/tallowick.exe" sections
  sections=$(x86_64-w64-mingw32-objdump -h "$exe" | awk '$2 ~ /^\.(debug|zdebug)/ { print $2 }')
  if [ -n "$sections" ]; then
    echo "FAILED: the zip's tallowick.exe carries debug sections:" $sections >&2
    return 1
  fi
  echo "    the zip's tallowick.exe: $(stat -c %s "$exe") bytes, no debug sections"
}
