#pragma once

#include <webgpu.h>

// The bare baseline: the least WebGPU needs to show a frame. One pipeline
// whose vertex program makes the triangle's three corners and colours itself;
// each frame clears the surface's texture, draws the triangle and presents.
// No buffers, no bind groups, no UI.
class BareFrame {
  public:
    // The clear colour is the program's default one, so that a reader of the
    // screen sees the same first picture from both.
    static constexpr double kClear[4] = {0.45, 0.55, 0.60, 1.0};

    BareFrame(WGPUDevice device, WGPUTextureFormat format);
    ~BareFrame();
    BareFrame(const BareFrame&) = delete;
    BareFrame& operator=(const BareFrame&) = delete;

    // Draws one frame into the surface and presents it; a frame whose texture
    // cannot be had is skipped.
    void render(WGPUSurface surface);

  private:
    WGPUDevice device = nullptr;
    WGPUQueue queue = nullptr;
    WGPURenderPipeline pipeline = nullptr;
};
