// Dear ImGui renderer binding for WebGPU: draws Dear ImGui's draw data into a
// render pass with one pipeline, the font atlas texture and per-texture bind
// groups. One instance per process; the operations work on module state.
#pragma once

#include <imgui.h>
#include <webgpu.h>

#include <cstddef>
#include <cstdint>

// Starts the binding with a device it borrows (no reference is added) and the
// format of the colour target the UI is drawn into. Creates no GPU object.
// Refuses (returns false, changes nothing) a null device or fewer than one
// frame in flight. Called again while initialised, it first shuts down.
IMGUI_IMPL_API bool ImGui_ImplWGPU_Init(WGPUDevice device, int num_frames_in_flight,
                                        WGPUTextureFormat rt_format);
IMGUI_IMPL_API void ImGui_ImplWGPU_Shutdown();
// Creates the device objects (and builds the font atlas) when they are absent.
// Must run before the platform binding's new-frame operation.
IMGUI_IMPL_API void ImGui_ImplWGPU_NewFrame();
// Records the draw data into an open pass whose single colour attachment has
// the format given to ImGui_ImplWGPU_Init and the display's size times the
// draw data's framebuffer scale. Records nothing while the device objects are
// absent or the display has no area.
IMGUI_IMPL_API void ImGui_ImplWGPU_RenderDrawData(ImDrawData* draw_data,
                                                  WGPURenderPassEncoder pass_encoder);

IMGUI_IMPL_API bool ImGui_ImplWGPU_CreateDeviceObjects();
IMGUI_IMPL_API void ImGui_ImplWGPU_InvalidateDeviceObjects();
