// For tests only: a read-only snapshot of the WebGPU renderer binding's state.
// The binding built with it is the target tallowick_ui_wgpu_testing, which
// takes the place of the binding in tallowick_ui.
#pragma once

#include "imgui_impl_wgpu.h"

#include <cstdint>
#include <vector>

struct ImGui_ImplWGPU_DiagnosticSlot {
    WGPUBuffer IndexBuffer;
    WGPUBuffer VertexBuffer;
    const ImDrawIdx* IndexHostCopy;
    const ImDrawVert* VertexHostCopy;
    int IndexCapacity;
    int VertexCapacity;
};

struct ImGui_ImplWGPU_DiagnosticCacheEntry {
    ImGuiID Key;
    WGPUBindGroup BindGroup;
};

struct ImGui_ImplWGPU_Diagnostics {
    WGPUDevice Device;
    WGPUTextureFormat RenderTargetFormat;
    uint32_t FramesInFlight;
    uint32_t FrameIndex;
    WGPURenderPipeline Pipeline;
    WGPUTexture FontTexture;
    WGPUTextureView FontTextureView;
    WGPUSampler FontSampler;
    WGPUBuffer UniformBuffer;
    WGPUBindGroup CommonBindGroup;
    WGPUBindGroupLayout ImageBindGroupLayout;
    WGPUBindGroup FontImageBindGroup;
    bool HasFrameSlots;
    std::vector<ImGui_ImplWGPU_DiagnosticSlot> FrameSlots;
    std::vector<ImGui_ImplWGPU_DiagnosticCacheEntry> ImageBindGroupCache;
};

IMGUI_IMPL_API ImGui_ImplWGPU_Diagnostics ImGui_ImplWGPU_GetDiagnostics();

// Builds the pipeline again from the given modules (the caller keeps them),
// keeping every other device object.
IMGUI_IMPL_API void ImGui_ImplWGPU_RebuildPipeline(WGPUShaderModule vertex_module,
                                                   WGPUShaderModule fragment_module);
