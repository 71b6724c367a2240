# Locates the three outside libraries: the WebGPU library (Dawn, from npm),
# GLFW, and the core of Dear ImGui.

# The Windows build takes them from what scripts/install-windows-deps.sh fetched.
if(WIN32)
    include(DependenciesWindows)
    return()
endif()

# The browser build takes them from the browser, Emscripten and what
# scripts/lib/web-toolchain.sh fetched.
if(EMSCRIPTEN)
    include(DependenciesBrowser)
    return()
endif()

# --- WebGPU (Dawn) -------------------------------------------------------------
set(TALLOWICK_DAWN_DIR ${PROJECT_SOURCE_DIR}/node_modules/bun-webgpu-linux-x64)
set(TALLOWICK_DAWN_LIBRARY ${TALLOWICK_DAWN_DIR}/libwebgpu_wrapper.so)
if(NOT EXISTS ${TALLOWICK_DAWN_LIBRARY})
    message(FATAL_ERROR "${TALLOWICK_DAWN_LIBRARY} is missing: run scripts/install-deps.sh")
endif()
add_library(dawn SHARED IMPORTED GLOBAL)
set_target_properties(dawn PROPERTIES
    IMPORTED_LOCATION ${TALLOWICK_DAWN_LIBRARY}
    IMPORTED_NO_SONAME TRUE
    INTERFACE_LINK_OPTIONS "LINKER:-rpath,${TALLOWICK_DAWN_DIR}")

# --- GLFW ---------------------------------------------------------------------
find_package(glfw3 3.3 REQUIRED)
find_package(X11 REQUIRED)

# --- Dear ImGui: core objects only -------------------------------------------
# The distribution's libimgui.a also carries ready-made platform and renderer
# bindings. The program has its own, so only the four core objects are taken
# into an archive of the project's own.
find_path(IMGUI_INCLUDE_DIR imgui.h PATHS /usr/include/imgui NO_DEFAULT_PATH REQUIRED)
find_library(IMGUI_DISTRIBUTION_ARCHIVE NAMES libimgui.a REQUIRED)
find_library(STB_LIBRARY NAMES stb REQUIRED)

set(IMGUI_CORE_MEMBERS "imgui.o,imgui_draw.o,imgui_tables.o,imgui_widgets.o")
set(IMGUI_CORE_DIR ${CMAKE_BINARY_DIR}/imgui_core)
set(IMGUI_CORE_ARCHIVE ${IMGUI_CORE_DIR}/libimgui_core.a)
add_custom_command(
    OUTPUT ${IMGUI_CORE_ARCHIVE}
    COMMAND ${CMAKE_COMMAND}
        -DSOURCE_ARCHIVE=${IMGUI_DISTRIBUTION_ARCHIVE}
        -DOUTPUT_ARCHIVE=${IMGUI_CORE_ARCHIVE}
        -DWORK_DIR=${IMGUI_CORE_DIR}
        "-DMEMBERS=${IMGUI_CORE_MEMBERS}"
        -DAR=${CMAKE_AR}
        -P ${PROJECT_SOURCE_DIR}/cmake/ExtractImguiCore.cmake
    DEPENDS ${IMGUI_DISTRIBUTION_ARCHIVE} ${PROJECT_SOURCE_DIR}/cmake/ExtractImguiCore.cmake
    COMMENT "Taking the Dear ImGui core objects out of ${IMGUI_DISTRIBUTION_ARCHIVE}")
add_custom_target(imgui_core_archive DEPENDS ${IMGUI_CORE_ARCHIVE})

add_library(imgui_core STATIC IMPORTED GLOBAL)
set_target_properties(imgui_core PROPERTIES
    IMPORTED_LOCATION ${IMGUI_CORE_ARCHIVE}
    INTERFACE_INCLUDE_DIRECTORIES ${IMGUI_INCLUDE_DIR}
    INTERFACE_LINK_LIBRARIES "${STB_LIBRARY};m")
add_dependencies(imgui_core imgui_core_archive)
