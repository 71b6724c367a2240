# Dear ImGui's core compiled from a source package that was unpacked without
# its bindings and examples: only the four core sources, with the stb parts
# the library carries (imstb_*.h).
function(add_imgui_core_from_sources source_dir)
    if(EXISTS ${source_dir}/backends OR EXISTS ${source_dir}/examples)
        message(FATAL_ERROR "${source_dir} holds backends/ or examples/: run the dependency installer again")
    endif()
    add_library(imgui_core STATIC
        ${source_dir}/imgui.cpp
        ${source_dir}/imgui_draw.cpp
        ${source_dir}/imgui_tables.cpp
        ${source_dir}/imgui_widgets.cpp)
    target_include_directories(imgui_core SYSTEM PUBLIC ${source_dir})
    # The library's own code: its warnings are not the program's to fix.
    target_compile_options(imgui_core PRIVATE -w)
endfunction()
