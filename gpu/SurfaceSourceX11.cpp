#include "SurfaceSource.h"

WGPUSurface createWindowSurface(WGPUInstance instance, const NativeWindow& native,
                                void* displayConnection) {
    WGPUSurfaceSourceXlibWindow source{};
    source.chain.sType = WGPUSType_SurfaceSourceXlibWindow;
    source.display = displayConnection;
    source.window = native.window;
    WGPUSurfaceDescriptor descriptor{};
    descriptor.nextInChain = &source.chain;
    return wgpuInstanceCreateSurface(instance, &descriptor);
}
