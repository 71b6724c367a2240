// The renderer's programs as WGSL, from ui/shaders/ui.vert.wgsl and
// ui/shaders/ui.frag.wgsl.

#include "ShaderModules.h"

#include "ShaderModule.h"

#include "ui_fragment_wgsl.h"
#include "ui_vertex_wgsl.h"

WGPUShaderModule ImGui_ImplWGPU_CreateVertexModule(WGPUDevice device) {
    return createWgslModule(device, ui_vertex_wgsl);
}

WGPUShaderModule ImGui_ImplWGPU_CreateFragmentModule(WGPUDevice device) {
    return createWgslModule(device, ui_fragment_wgsl);
}
