// Preloaded into the program: a WebGPU library that cannot make an instance.
#include <webgpu.h>

extern "C" WGPUInstance wgpuCreateInstance(WGPUInstanceDescriptor const*) {
    return nullptr;
}
