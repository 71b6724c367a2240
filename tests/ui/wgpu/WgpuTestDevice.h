#pragma once

// A real WebGPU device for the renderer's tests: Dawn's null back end (checks
// every call, executes nothing) or Vulkan (lavapipe where there is no GPU) for
// pixels. Uncaptured errors are collected so a test can require none.

#include <imgui.h>
#include <webgpu.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class WgpuTestDevice {
  public:
    explicit WgpuTestDevice(WGPUBackendType backend);
    ~WgpuTestDevice();
    WgpuTestDevice(const WgpuTestDevice&) = delete;
    WgpuTestDevice& operator=(const WgpuTestDevice&) = delete;

    WGPUDevice device() const { return device_; }
    const std::vector<std::string>& errors() const { return errors_; }
    // Lets the device deliver pending error reports, then returns them.
    const std::vector<std::string>& flushErrors();
    void waitIdle();

  private:
    static void onError(WGPUDevice const*, WGPUErrorType, WGPUStringView, void*, void*);

    WGPUInstance instance_ = nullptr;
    WGPUAdapter adapter_ = nullptr;
    WGPUDevice device_ = nullptr;
    std::vector<std::string> errors_;
};

// An RGBA8Unorm colour target that can be rendered into and read back.
class RenderTarget {
  public:
    RenderTarget(WgpuTestDevice& gpu, uint32_t width, uint32_t height);
    ~RenderTarget();
    RenderTarget(const RenderTarget&) = delete;
    RenderTarget& operator=(const RenderTarget&) = delete;

    // Opens a pass cleared to the colour; end() ends and submits it.
    WGPURenderPassEncoder begin(WGPUColor clear = {0.0, 0.0, 0.0, 1.0});
    void end();
    // Copies the target out and returns its pixels, 4 bytes each, row after row.
    std::vector<uint8_t> readPixels();
    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }

  private:
    WgpuTestDevice& gpu_;
    uint32_t width_;
    uint32_t height_;
    WGPUTexture texture_ = nullptr;
    WGPUTextureView view_ = nullptr;
    WGPUCommandEncoder encoder_ = nullptr;
    WGPURenderPassEncoder pass_ = nullptr;
};

// A texture of the test's own, to stand for a user image in draw commands.
struct UserTexture {
    UserTexture(WgpuTestDevice& gpu, uint32_t width, uint32_t height);
    ~UserTexture();
    WGPUTexture texture = nullptr;
    WGPUTextureView view = nullptr;
};

// Draw data made by hand: lists filled with raw vertices, indices and commands.
class TestDrawData {
  public:
    TestDrawData(ImVec2 displayPos, ImVec2 displaySize);
    // A list of its own; with Dear ImGui's shared data (during a frame) it can
    // also be filled through the ImDrawList drawing functions.
    ImDrawList& addList(const ImDrawListSharedData* shared = nullptr);
    // Fills in the totals; call after the lists are complete.
    ImDrawData* get();

  private:
    std::vector<std::unique_ptr<ImDrawList>> lists_;
    std::vector<ImDrawList*> pointers_;
    ImDrawData data_;
};

// Appends `vertices` vertices and `indices` indices (forming triangles within
// the list's vertices) and one command drawing them with the given clip and texture.
ImDrawCmd& addGeometry(ImDrawList& list, int vertices, int indices, ImVec4 clip,
                       ImTextureID texture);
