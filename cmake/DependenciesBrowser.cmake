# The outside libraries of the browser build. WebGPU is the browser's, reached
# through Emscripten's binding and the program's bridge to it; GLFW is
# Emscripten's, which makes the page's canvas the window; the core of Dear
# ImGui comes from Debian's source package, as scripts/lib/web-toolchain.sh
# left it in build-web-deps/.
set(TALLOWICK_BROWSER_DEPS_DIR ${PROJECT_SOURCE_DIR}/build-web-deps
    CACHE PATH "Where scripts/lib/web-toolchain.sh put the browser build's dependencies")

# --- WebGPU: the browser's -------------------------------------------------------
# The program's sources call the interface gpu/webgpu.h declares, under names
# (gpu/WebGpuBridgeNames.h) that the bridge answers; the bridge alone sees
# Emscripten's binding. The target keeps the desktop's name: it stands for the
# WebGPU implementation the program links.
add_library(webgpu_bridge STATIC ${PROJECT_SOURCE_DIR}/gpu/WebGpuBridgeBrowser.cpp)
target_include_directories(webgpu_bridge PRIVATE ${PROJECT_SOURCE_DIR}/gpu)
add_library(dawn INTERFACE)
target_link_libraries(dawn INTERFACE webgpu_bridge)
target_compile_options(dawn INTERFACE
    "SHELL:-include ${PROJECT_SOURCE_DIR}/gpu/WebGpuBridgeNames.h")
target_link_options(dawn INTERFACE -sUSE_WEBGPU=1)

# --- GLFW: Emscripten's ------------------------------------------------------------
add_library(glfw INTERFACE)
target_link_options(glfw INTERFACE -sUSE_GLFW=3)

# --- Dear ImGui: core sources only --------------------------------------------
include(ImguiCoreSources)
add_imgui_core_from_sources(${TALLOWICK_BROWSER_DEPS_DIR}/imgui)
