// The renderer's programs as SPIR-V 1.0, compiled from ui/shaders/ui.vert and
// ui/shaders/ui.frag at build time.

#include "ShaderModules.h"

#include "ShaderModule.h"

#include "ui_fragment_spirv.h"
#include "ui_vertex_spirv.h"

const uint32_t* ImGui_ImplWGPU_VertexProgram(size_t* word_count) {
    *word_count = sizeof(ui_vertex_spirv) / sizeof(ui_vertex_spirv[0]);
    return ui_vertex_spirv;
}

const uint32_t* ImGui_ImplWGPU_FragmentProgram(size_t* word_count) {
    *word_count = sizeof(ui_fragment_spirv) / sizeof(ui_fragment_spirv[0]);
    return ui_fragment_spirv;
}

WGPUShaderModule ImGui_ImplWGPU_CreateVertexModule(WGPUDevice device) {
    size_t word_count = 0;
    const uint32_t* words = ImGui_ImplWGPU_VertexProgram(&word_count);
    return createSpirvModule(device, words, word_count);
}

WGPUShaderModule ImGui_ImplWGPU_CreateFragmentModule(WGPUDevice device) {
    size_t word_count = 0;
    const uint32_t* words = ImGui_ImplWGPU_FragmentProgram(&word_count);
    return createSpirvModule(device, words, word_count);
}
