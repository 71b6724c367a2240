// The WebGPU renderer binding with its state snapshot: the binding's own
// source, followed by the snapshot, which reads the binding's module state.
#include "../imgui_impl_wgpu.cpp"

#include "imgui_impl_wgpu_diagnostics.h"

ImGui_ImplWGPU_Diagnostics ImGui_ImplWGPU_GetDiagnostics() {
    ImGui_ImplWGPU_Diagnostics d;
    d.Device = g_device;
    d.RenderTargetFormat = g_renderTargetFormat;
    d.FramesInFlight = g_framesInFlight;
    d.FrameIndex = g_frameIndex;
    d.Pipeline = g_pipeline;
    d.FontTexture = g_resources.FontTexture;
    d.FontTextureView = g_resources.FontTextureView;
    d.FontSampler = g_resources.FontSampler;
    d.UniformBuffer = g_resources.UniformBuffer;
    d.CommonBindGroup = g_resources.CommonBindGroup;
    d.ImageBindGroupLayout = g_resources.ImageBindGroupLayout;
    d.FontImageBindGroup = g_resources.FontImageBindGroup;
    d.HasFrameSlots = g_frameSlots != nullptr;
    if (g_frameSlots != nullptr) {
        for (uint32_t i = 0; i < g_framesInFlight; i++) {
            const FrameSlot& fr = g_frameSlots[i];
            d.FrameSlots.push_back({fr.IndexBuffer, fr.VertexBuffer, fr.IndexHostCopy,
                                    fr.VertexHostCopy, fr.IndexCapacity, fr.VertexCapacity});
        }
    }
    for (const ImGuiStorage::ImGuiStoragePair& entry : g_resources.ImageBindGroupCache.Data)
        d.ImageBindGroupCache.push_back({entry.key, static_cast<WGPUBindGroup>(entry.val_p)});
    return d;
}

void ImGui_ImplWGPU_RebuildPipeline(WGPUShaderModule vertex_module,
                                    WGPUShaderModule fragment_module) {
    WGPUBindGroupLayout common_bg_layout = CreateCommonBindGroupLayout();
    SafeRelease(g_pipeline);
    g_pipeline = CreatePipeline(common_bg_layout, g_resources.ImageBindGroupLayout, vertex_module,
                                fragment_module);
    SafeRelease(common_bg_layout);
}
