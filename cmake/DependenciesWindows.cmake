# The outside libraries of the Windows build, as scripts/install-windows-deps.sh
# leaves them in build-windows-deps/: the WebGPU library (Dawn) from npm, GLFW
# cross-built from Debian's source package, and the core of Dear ImGui from
# Debian's source package.
set(TALLOWICK_WINDOWS_DEPS_DIR ${PROJECT_SOURCE_DIR}/build-windows-deps
    CACHE PATH "Where scripts/install-windows-deps.sh put the Windows dependencies")

# --- WebGPU (Dawn) -------------------------------------------------------------
# The DLL serves as its own import library; it is copied beside the program.
set(TALLOWICK_DAWN_DIR ${TALLOWICK_WINDOWS_DEPS_DIR}/dawn)
set(TALLOWICK_DAWN_LIBRARY ${TALLOWICK_DAWN_DIR}/webgpu_wrapper.dll)
if(NOT EXISTS ${TALLOWICK_DAWN_LIBRARY})
    message(FATAL_ERROR "${TALLOWICK_DAWN_LIBRARY} is missing: run scripts/install-windows-deps.sh")
endif()
add_library(dawn SHARED IMPORTED GLOBAL)
set_target_properties(dawn PROPERTIES
    IMPORTED_LOCATION ${TALLOWICK_DAWN_LIBRARY}
    IMPORTED_IMPLIB ${TALLOWICK_DAWN_LIBRARY})
file(COPY ${TALLOWICK_DAWN_LIBRARY} DESTINATION ${CMAKE_BINARY_DIR}/app)

# --- GLFW ---------------------------------------------------------------------
set(TALLOWICK_GLFW_DIR ${TALLOWICK_WINDOWS_DEPS_DIR}/glfw-install)
if(NOT EXISTS ${TALLOWICK_GLFW_DIR}/lib/libglfw3.a)
    message(FATAL_ERROR "${TALLOWICK_GLFW_DIR}/lib/libglfw3.a is missing: run scripts/install-windows-deps.sh")
endif()
add_library(glfw STATIC IMPORTED GLOBAL)
set_target_properties(glfw PROPERTIES
    IMPORTED_LOCATION ${TALLOWICK_GLFW_DIR}/lib/libglfw3.a
    INTERFACE_INCLUDE_DIRECTORIES ${TALLOWICK_GLFW_DIR}/include
    INTERFACE_LINK_LIBRARIES "gdi32")

# --- Dear ImGui: core sources only --------------------------------------------
include(ImguiCoreSources)
add_imgui_core_from_sources(${TALLOWICK_WINDOWS_DEPS_DIR}/imgui)
