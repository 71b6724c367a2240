#include "SurfaceSource.h"

#include "StringView.h"

// The page's one canvas, where the browser's GLFW draws the window.
WGPUSurface createWindowSurface(WGPUInstance instance, const NativeWindow& /*native*/,
                                void* /*displayConnection*/) {
    WGPUEmscriptenSurfaceSourceCanvasHTMLSelector source{};
    source.chain.sType = WGPUSType_EmscriptenSurfaceSourceCanvasHTMLSelector;
    source.selector = stringView("#canvas");
    WGPUSurfaceDescriptor descriptor{};
    descriptor.nextInChain = &source.chain;
    return wgpuInstanceCreateSurface(instance, &descriptor);
}
