#pragma once

#include <webgpu.h>

constexpr uint32_t kSurfaceWidth = 1280;
constexpr uint32_t kSurfaceHeight = 720;

// The window's presentation surface, made at most once per process, and the
// texture format chosen for it (Undefined until it exists).
extern WGPUSurface g_surface;
extern WGPUTextureFormat g_swapChainFormat;
// What the surface was last configured with (no device until then), and the
// surface's own display connection (null while it has none).
extern WGPUSurfaceConfiguration g_surfaceConfiguration;
extern void* g_presentationDisplay;

// Makes the surface for the native window (a NativeWindow record) on the
// device's back end, over a connection of its own to the window's display
// (the window's connection when no other can be opened), and chooses its
// format (chooseSurfaceFormat). Does nothing when the surface already exists.
// Returns false when no usable surface could be made: none at all, or one that
// offers no format the program can draw in (as on X screens of depth 8, 15, 16
// or 30 on Mesa).
bool createNativeSwapChainImpl(int backendType, WGPUAdapter adapter, WGPUDevice device,
                               void* nativeWindow);

// Of the formats a surface offers, the one the scene and the UI are drawn in:
// RGBA8Unorm when offered, else BGRA8Unorm, else the first offered that both
// can draw in, one without sRGB encoding before one with it. Undefined when
// none of them can be drawn in.
WGPUTextureFormat chooseSurfaceFormat(const WGPUTextureFormat* formats, size_t count);

// Configures the surface for the device for rendering, at the extent it
// should have (1280 x 720 on the desktop; see SurfaceExtent.h), and returns it.
WGPUSurface configureSwapChain(WGPUDevice device);

// Configures the surface again, for the same device, when the extent it should
// have has changed (in the browser, with the device pixel ratio) or its drawing
// buffer was resized from outside. Returns whether it did; never on the
// desktop, where the extent is fixed.
bool fitSwapChainToWindow();

// One frame's target: the surface texture and a view of it.
struct FrameTarget {
    WGPUTexture texture = nullptr;
    WGPUTextureView view = nullptr;
};

// Takes the surface's texture for this frame. False when the frame must be
// skipped: nothing to draw into (timeout, error), or the surface was out of
// date or lost and has been configured again for the next frame.
bool acquireFrameTarget(WGPUSurface surface, FrameTarget& target);

// Presents the frame and releases its texture and view.
void presentFrameTarget(WGPUSurface surface, FrameTarget& target);
