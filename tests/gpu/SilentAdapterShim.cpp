// Preloaded into the program: a WebGPU library that takes every request for
// an adapter and never answers it.
#include <webgpu.h>

extern "C" WGPUFuture wgpuInstanceRequestAdapter(WGPUInstance, WGPURequestAdapterOptions const*,
                                                 WGPURequestAdapterCallbackInfo) {
    return WGPUFuture{0};
}
