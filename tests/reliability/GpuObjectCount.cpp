#include "GpuObjectCount.h"

#include <webgpu.h>

#include <dlfcn.h>

#include <atomic>

namespace {

std::atomic<long> g_live[kGpuKindCount];
std::atomic<long> g_created[kGpuKindCount];

template <typename Fn> Fn real(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

template <typename Handle> Handle created(Handle handle, GpuKind kind) {
    if (handle != nullptr) {
        ++g_live[static_cast<int>(kind)];
        ++g_created[static_cast<int>(kind)];
    }
    return handle;
}

void released(const void* handle, GpuKind kind) {
    if (handle != nullptr) {
        --g_live[static_cast<int>(kind)];
    }
}

} // namespace

const char* gpuKindName(GpuKind kind) {
    static const char* const names[kGpuKindCount] = {
        "device",          "queue",           "surface",
        "buffer",          "texture",         "texture view",
        "sampler",         "shader module",   "bind group layout",
        "pipeline layout", "render pipeline", "bind group",
        "command encoder", "render pass",     "command buffer",
    };
    return names[static_cast<int>(kind)];
}

long GpuObjectCounts::totalLive() const {
    long total = 0;
    for (long value : live) {
        total += value;
    }
    return total;
}

std::string GpuObjectCounts::describeLive() const {
    std::string text;
    for (int i = 0; i < kGpuKindCount; ++i) {
        if (live[i] != 0) {
            text += (text.empty() ? "" : ", ") + std::string(gpuKindName(static_cast<GpuKind>(i))) +
                    " " + std::to_string(live[i]);
        }
    }
    return text.empty() ? "none" : text;
}

GpuObjectCounts gpuObjectCounts() {
    GpuObjectCounts counts;
    for (int i = 0; i < kGpuKindCount; ++i) {
        counts.live[i] = g_live[i].load();
        counts.created[i] = g_created[i].load();
    }
    return counts;
}

#define FORWARD(name) static const auto real_##name = real<decltype(&::name)>(#name)

extern "C" {

WGPUDevice wgpuAdapterCreateDevice(WGPUAdapter adapter, WGPUDeviceDescriptor const* descriptor) {
    FORWARD(wgpuAdapterCreateDevice);
    return created(real_wgpuAdapterCreateDevice(adapter, descriptor), GpuKind::Device);
}

WGPUQueue wgpuDeviceGetQueue(WGPUDevice device) {
    FORWARD(wgpuDeviceGetQueue);
    return created(real_wgpuDeviceGetQueue(device), GpuKind::Queue);
}

WGPUSurface wgpuInstanceCreateSurface(WGPUInstance instance,
                                      WGPUSurfaceDescriptor const* descriptor) {
    FORWARD(wgpuInstanceCreateSurface);
    return created(real_wgpuInstanceCreateSurface(instance, descriptor), GpuKind::Surface);
}

void wgpuSurfaceAddRef(WGPUSurface surface) {
    FORWARD(wgpuSurfaceAddRef);
    created(surface, GpuKind::Surface);
    real_wgpuSurfaceAddRef(surface);
}

// The texture handed out for a frame is the caller's to release, whatever the
// status says.
void wgpuSurfaceGetCurrentTexture(WGPUSurface surface, WGPUSurfaceTexture* surfaceTexture) {
    FORWARD(wgpuSurfaceGetCurrentTexture);
    real_wgpuSurfaceGetCurrentTexture(surface, surfaceTexture);
    created(surfaceTexture->texture, GpuKind::Texture);
}

WGPUBuffer wgpuDeviceCreateBuffer(WGPUDevice device, WGPUBufferDescriptor const* descriptor) {
    FORWARD(wgpuDeviceCreateBuffer);
    return created(real_wgpuDeviceCreateBuffer(device, descriptor), GpuKind::Buffer);
}

WGPUTexture wgpuDeviceCreateTexture(WGPUDevice device, WGPUTextureDescriptor const* descriptor) {
    FORWARD(wgpuDeviceCreateTexture);
    return created(real_wgpuDeviceCreateTexture(device, descriptor), GpuKind::Texture);
}

WGPUTextureView wgpuTextureCreateView(WGPUTexture texture,
                                      WGPUTextureViewDescriptor const* descriptor) {
    FORWARD(wgpuTextureCreateView);
    return created(real_wgpuTextureCreateView(texture, descriptor), GpuKind::TextureView);
}

WGPUSampler wgpuDeviceCreateSampler(WGPUDevice device, WGPUSamplerDescriptor const* descriptor) {
    FORWARD(wgpuDeviceCreateSampler);
    return created(real_wgpuDeviceCreateSampler(device, descriptor), GpuKind::Sampler);
}

WGPUShaderModule wgpuDeviceCreateShaderModule(WGPUDevice device,
                                              WGPUShaderModuleDescriptor const* descriptor) {
    FORWARD(wgpuDeviceCreateShaderModule);
    return created(real_wgpuDeviceCreateShaderModule(device, descriptor), GpuKind::ShaderModule);
}

WGPUBindGroupLayout wgpuDeviceCreateBindGroupLayout(WGPUDevice device,
                                                    WGPUBindGroupLayoutDescriptor const* desc) {
    FORWARD(wgpuDeviceCreateBindGroupLayout);
    return created(real_wgpuDeviceCreateBindGroupLayout(device, desc), GpuKind::BindGroupLayout);
}

WGPUPipelineLayout wgpuDeviceCreatePipelineLayout(WGPUDevice device,
                                                  WGPUPipelineLayoutDescriptor const* desc) {
    FORWARD(wgpuDeviceCreatePipelineLayout);
    return created(real_wgpuDeviceCreatePipelineLayout(device, desc), GpuKind::PipelineLayout);
}

WGPURenderPipeline wgpuDeviceCreateRenderPipeline(WGPUDevice device,
                                                  WGPURenderPipelineDescriptor const* desc) {
    FORWARD(wgpuDeviceCreateRenderPipeline);
    return created(real_wgpuDeviceCreateRenderPipeline(device, desc), GpuKind::RenderPipeline);
}

WGPUBindGroup wgpuDeviceCreateBindGroup(WGPUDevice device, WGPUBindGroupDescriptor const* desc) {
    FORWARD(wgpuDeviceCreateBindGroup);
    return created(real_wgpuDeviceCreateBindGroup(device, desc), GpuKind::BindGroup);
}

WGPUCommandEncoder wgpuDeviceCreateCommandEncoder(WGPUDevice device,
                                                  WGPUCommandEncoderDescriptor const* desc) {
    FORWARD(wgpuDeviceCreateCommandEncoder);
    return created(real_wgpuDeviceCreateCommandEncoder(device, desc), GpuKind::CommandEncoder);
}

WGPURenderPassEncoder wgpuCommandEncoderBeginRenderPass(WGPUCommandEncoder encoder,
                                                        WGPURenderPassDescriptor const* desc) {
    FORWARD(wgpuCommandEncoderBeginRenderPass);
    return created(real_wgpuCommandEncoderBeginRenderPass(encoder, desc), GpuKind::RenderPass);
}

WGPUCommandBuffer wgpuCommandEncoderFinish(WGPUCommandEncoder encoder,
                                           WGPUCommandBufferDescriptor const* desc) {
    FORWARD(wgpuCommandEncoderFinish);
    return created(real_wgpuCommandEncoderFinish(encoder, desc), GpuKind::CommandBuffer);
}

#define RELEASE(name, type, kind)                                                                  \
    void name(type object) {                                                                       \
        FORWARD(name);                                                                             \
        released(object, kind);                                                                    \
        real_##name(object);                                                                       \
    }

RELEASE(wgpuDeviceRelease, WGPUDevice, GpuKind::Device)
RELEASE(wgpuQueueRelease, WGPUQueue, GpuKind::Queue)
RELEASE(wgpuSurfaceRelease, WGPUSurface, GpuKind::Surface)
RELEASE(wgpuBufferRelease, WGPUBuffer, GpuKind::Buffer)
RELEASE(wgpuTextureRelease, WGPUTexture, GpuKind::Texture)
RELEASE(wgpuTextureViewRelease, WGPUTextureView, GpuKind::TextureView)
RELEASE(wgpuSamplerRelease, WGPUSampler, GpuKind::Sampler)
RELEASE(wgpuShaderModuleRelease, WGPUShaderModule, GpuKind::ShaderModule)
RELEASE(wgpuBindGroupLayoutRelease, WGPUBindGroupLayout, GpuKind::BindGroupLayout)
RELEASE(wgpuPipelineLayoutRelease, WGPUPipelineLayout, GpuKind::PipelineLayout)
RELEASE(wgpuRenderPipelineRelease, WGPURenderPipeline, GpuKind::RenderPipeline)
RELEASE(wgpuBindGroupRelease, WGPUBindGroup, GpuKind::BindGroup)
RELEASE(wgpuCommandEncoderRelease, WGPUCommandEncoder, GpuKind::CommandEncoder)
RELEASE(wgpuRenderPassEncoderRelease, WGPURenderPassEncoder, GpuKind::RenderPass)
RELEASE(wgpuCommandBufferRelease, WGPUCommandBuffer, GpuKind::CommandBuffer)

} // extern "C"
