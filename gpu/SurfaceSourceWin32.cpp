#include "SurfaceSource.h"

#include <cstdint>

WGPUSurface createWindowSurface(WGPUInstance instance, const NativeWindow& native,
                                void* /*displayConnection*/) {
    WGPUSurfaceSourceWindowsHWND source{};
    source.chain.sType = WGPUSType_SurfaceSourceWindowsHWND;
    source.hinstance = native.display;
    source.hwnd = reinterpret_cast<void*>(static_cast<std::uintptr_t>(native.window));
    WGPUSurfaceDescriptor descriptor{};
    descriptor.nextInChain = &source.chain;
    return wgpuInstanceCreateSurface(instance, &descriptor);
}
