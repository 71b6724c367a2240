#include "WgpuCallLog.h"

#include <dlfcn.h>

#include <cstring>

WgpuCallLog g_wgpuLog;

std::vector<WgpuCall> WgpuCallLog::of(WgpuOp op) const {
    std::vector<WgpuCall> result;
    for (const WgpuCall& call : calls) {
        if (call.op == op)
            result.push_back(call);
    }
    return result;
}

int WgpuCallLog::liveReferences() const {
    int total = 0;
    for (const auto& entry : references)
        total += entry.second;
    return total;
}

std::map<std::string, int> WgpuCallLog::liveByKind() const {
    std::map<std::string, int> result;
    for (const auto& entry : references) {
        if (entry.second > 0)
            result[kinds.at(entry.first)] += entry.second;
    }
    return result;
}

void WgpuCallLog::mark(uint64_t id) {
    WgpuCall call{WgpuOp::Marker};
    call.u[0] = id;
    calls.push_back(call);
}

namespace {

template <typename Fn> Fn real(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

template <typename Handle> Handle created(Handle handle, const char* kind) {
    if (handle) {
        ++g_wgpuLog.references[handle];
        g_wgpuLog.kinds[handle] = kind;
    }
    return handle;
}

void released(const void* handle) {
    if (!handle)
        return;
    auto it = g_wgpuLog.references.find(handle);
    if (it == g_wgpuLog.references.end() || it->second <= 0) {
        ++g_wgpuLog.releasesOfDeadObjects;
        return;
    }
    --it->second;
}

void record(WgpuCall call) {
    g_wgpuLog.calls.push_back(std::move(call));
}

std::string text(WGPUStringView view) {
    if (!view.data)
        return std::string();
    return view.length == WGPU_STRLEN ? std::string(view.data)
                                      : std::string(view.data, view.length);
}

} // namespace

#define FORWARD(name) static const auto real_##name = real<decltype(&::name)>(#name)

extern "C" {

// ---- creation -------------------------------------------------------------------------------

WGPUBuffer wgpuDeviceCreateBuffer(WGPUDevice device, WGPUBufferDescriptor const* descriptor) {
    FORWARD(wgpuDeviceCreateBuffer);
    WGPUBuffer buffer = created(real_wgpuDeviceCreateBuffer(device, descriptor), "buffer");
    WgpuCall call{WgpuOp::CreateBuffer, buffer};
    call.u[0] = descriptor->size;
    call.u[1] = descriptor->usage;
    call.label = text(descriptor->label);
    record(call);
    return buffer;
}

WGPUTexture wgpuDeviceCreateTexture(WGPUDevice device, WGPUTextureDescriptor const* descriptor) {
    FORWARD(wgpuDeviceCreateTexture);
    return created(real_wgpuDeviceCreateTexture(device, descriptor), "texture");
}

WGPUTextureView wgpuTextureCreateView(WGPUTexture texture,
                                      WGPUTextureViewDescriptor const* descriptor) {
    FORWARD(wgpuTextureCreateView);
    return created(real_wgpuTextureCreateView(texture, descriptor), "texture view");
}

WGPUSampler wgpuDeviceCreateSampler(WGPUDevice device, WGPUSamplerDescriptor const* descriptor) {
    FORWARD(wgpuDeviceCreateSampler);
    g_wgpuLog.sampler = *descriptor;
    return created(real_wgpuDeviceCreateSampler(device, descriptor), "sampler");
}

WGPUShaderModule wgpuDeviceCreateShaderModule(WGPUDevice device,
                                              WGPUShaderModuleDescriptor const* descriptor) {
    FORWARD(wgpuDeviceCreateShaderModule);
    return created(real_wgpuDeviceCreateShaderModule(device, descriptor), "shader module");
}

WGPUBindGroupLayout wgpuDeviceCreateBindGroupLayout(WGPUDevice device,
                                                    WGPUBindGroupLayoutDescriptor const* desc) {
    FORWARD(wgpuDeviceCreateBindGroupLayout);
    g_wgpuLog.layoutEntries.insert(g_wgpuLog.layoutEntries.end(), desc->entries,
                                   desc->entries + desc->entryCount);
    return created(real_wgpuDeviceCreateBindGroupLayout(device, desc), "bind group layout");
}

WGPUPipelineLayout wgpuDeviceCreatePipelineLayout(WGPUDevice device,
                                                  WGPUPipelineLayoutDescriptor const* desc) {
    FORWARD(wgpuDeviceCreatePipelineLayout);
    return created(real_wgpuDeviceCreatePipelineLayout(device, desc), "pipeline layout");
}

WGPURenderPipeline wgpuDeviceCreateRenderPipeline(WGPUDevice device,
                                                  WGPURenderPipelineDescriptor const* desc) {
    FORWARD(wgpuDeviceCreateRenderPipeline);
    g_wgpuLog.primitive = desc->primitive;
    return created(real_wgpuDeviceCreateRenderPipeline(device, desc), "render pipeline");
}

WGPUBindGroup wgpuDeviceCreateBindGroup(WGPUDevice device, WGPUBindGroupDescriptor const* desc) {
    FORWARD(wgpuDeviceCreateBindGroup);
    g_wgpuLog.groupEntries.insert(g_wgpuLog.groupEntries.end(), desc->entries,
                                  desc->entries + desc->entryCount);
    WGPUBindGroup group = created(real_wgpuDeviceCreateBindGroup(device, desc), "bind group");
    WgpuCall call{WgpuOp::CreateBindGroup, group};
    call.u[0] = desc->entryCount;
    record(call);
    return group;
}

WGPUCommandEncoder wgpuDeviceCreateCommandEncoder(WGPUDevice device,
                                                  WGPUCommandEncoderDescriptor const* desc) {
    FORWARD(wgpuDeviceCreateCommandEncoder);
    return created(real_wgpuDeviceCreateCommandEncoder(device, desc), "command encoder");
}

WGPUCommandBuffer wgpuCommandEncoderFinish(WGPUCommandEncoder encoder,
                                           WGPUCommandBufferDescriptor const* desc) {
    FORWARD(wgpuCommandEncoderFinish);
    return created(real_wgpuCommandEncoderFinish(encoder, desc), "command buffer");
}

WGPURenderPassEncoder wgpuCommandEncoderBeginRenderPass(WGPUCommandEncoder encoder,
                                                        WGPURenderPassDescriptor const* desc) {
    FORWARD(wgpuCommandEncoderBeginRenderPass);
    return created(real_wgpuCommandEncoderBeginRenderPass(encoder, desc), "render pass");
}

WGPUQueue wgpuDeviceGetQueue(WGPUDevice device) {
    FORWARD(wgpuDeviceGetQueue);
    return created(real_wgpuDeviceGetQueue(device), "queue");
}

// ---- release --------------------------------------------------------------------------------

#define RELEASE(name, type)                                                                        \
    void name(type object) {                                                                       \
        FORWARD(name);                                                                             \
        released(object);                                                                          \
        real_##name(object);                                                                       \
    }

RELEASE(wgpuBufferRelease, WGPUBuffer)
RELEASE(wgpuTextureRelease, WGPUTexture)
RELEASE(wgpuTextureViewRelease, WGPUTextureView)
RELEASE(wgpuSamplerRelease, WGPUSampler)
RELEASE(wgpuShaderModuleRelease, WGPUShaderModule)
RELEASE(wgpuBindGroupLayoutRelease, WGPUBindGroupLayout)
RELEASE(wgpuPipelineLayoutRelease, WGPUPipelineLayout)
RELEASE(wgpuRenderPipelineRelease, WGPURenderPipeline)
RELEASE(wgpuBindGroupRelease, WGPUBindGroup)
RELEASE(wgpuCommandEncoderRelease, WGPUCommandEncoder)
RELEASE(wgpuCommandBufferRelease, WGPUCommandBuffer)
RELEASE(wgpuRenderPassEncoderRelease, WGPURenderPassEncoder)
RELEASE(wgpuQueueRelease, WGPUQueue)

// ---- recorded operations --------------------------------------------------------------------

void wgpuQueueWriteBuffer(WGPUQueue queue, WGPUBuffer buffer, uint64_t bufferOffset,
                          void const* data, size_t size) {
    FORWARD(wgpuQueueWriteBuffer);
    WgpuCall call{WgpuOp::WriteBuffer, buffer};
    call.u[0] = bufferOffset;
    call.u[1] = size;
    const auto* bytes = static_cast<const uint8_t*>(data);
    call.bytes.assign(bytes, bytes + size);
    record(call);
    real_wgpuQueueWriteBuffer(queue, buffer, bufferOffset, data, size);
}

void wgpuCommandEncoderCopyBufferToTexture(WGPUCommandEncoder encoder,
                                           WGPUTexelCopyBufferInfo const* source,
                                           WGPUTexelCopyTextureInfo const* destination,
                                           WGPUExtent3D const* copySize) {
    FORWARD(wgpuCommandEncoderCopyBufferToTexture);
    WgpuCall call{WgpuOp::CopyBufferToTexture, destination->texture};
    call.u[0] = source->layout.bytesPerRow;
    call.u[1] = source->layout.rowsPerImage;
    call.u[2] = copySize->width;
    call.u[3] = copySize->height;
    call.u[4] = copySize->depthOrArrayLayers;
    record(call);
    real_wgpuCommandEncoderCopyBufferToTexture(encoder, source, destination, copySize);
}

void wgpuRenderPassEncoderSetPipeline(WGPURenderPassEncoder pass, WGPURenderPipeline pipeline) {
    FORWARD(wgpuRenderPassEncoderSetPipeline);
    record(WgpuCall{WgpuOp::SetPipeline, pipeline});
    real_wgpuRenderPassEncoderSetPipeline(pass, pipeline);
}

void wgpuRenderPassEncoderSetBindGroup(WGPURenderPassEncoder pass, uint32_t groupIndex,
                                       WGPUBindGroup group, size_t dynamicOffsetCount,
                                       uint32_t const* dynamicOffsets) {
    FORWARD(wgpuRenderPassEncoderSetBindGroup);
    WgpuCall call{WgpuOp::SetBindGroup, group};
    call.u[0] = groupIndex;
    call.u[1] = dynamicOffsetCount;
    record(call);
    real_wgpuRenderPassEncoderSetBindGroup(pass, groupIndex, group, dynamicOffsetCount,
                                           dynamicOffsets);
}

void wgpuRenderPassEncoderSetVertexBuffer(WGPURenderPassEncoder pass, uint32_t slot,
                                          WGPUBuffer buffer, uint64_t offset, uint64_t size) {
    FORWARD(wgpuRenderPassEncoderSetVertexBuffer);
    WgpuCall call{WgpuOp::SetVertexBuffer, buffer};
    call.u[0] = slot;
    call.u[1] = offset;
    call.u[2] = size;
    record(call);
    real_wgpuRenderPassEncoderSetVertexBuffer(pass, slot, buffer, offset, size);
}

void wgpuRenderPassEncoderSetIndexBuffer(WGPURenderPassEncoder pass, WGPUBuffer buffer,
                                         WGPUIndexFormat format, uint64_t offset, uint64_t size) {
    FORWARD(wgpuRenderPassEncoderSetIndexBuffer);
    WgpuCall call{WgpuOp::SetIndexBuffer, buffer};
    call.u[0] = format;
    call.u[1] = offset;
    call.u[2] = size;
    record(call);
    real_wgpuRenderPassEncoderSetIndexBuffer(pass, buffer, format, offset, size);
}

void wgpuRenderPassEncoderSetViewport(WGPURenderPassEncoder pass, float x, float y, float width,
                                      float height, float minDepth, float maxDepth) {
    FORWARD(wgpuRenderPassEncoderSetViewport);
    WgpuCall call{WgpuOp::SetViewport};
    const float values[6] = {x, y, width, height, minDepth, maxDepth};
    for (int i = 0; i < 6; ++i)
        call.f[i] = values[i];
    record(call);
    real_wgpuRenderPassEncoderSetViewport(pass, x, y, width, height, minDepth, maxDepth);
}

void wgpuRenderPassEncoderSetScissorRect(WGPURenderPassEncoder pass, uint32_t x, uint32_t y,
                                         uint32_t width, uint32_t height) {
    FORWARD(wgpuRenderPassEncoderSetScissorRect);
    WgpuCall call{WgpuOp::SetScissorRect};
    call.u[0] = x;
    call.u[1] = y;
    call.u[2] = width;
    call.u[3] = height;
    record(call);
    real_wgpuRenderPassEncoderSetScissorRect(pass, x, y, width, height);
}

void wgpuRenderPassEncoderSetBlendConstant(WGPURenderPassEncoder pass, WGPUColor const* color) {
    FORWARD(wgpuRenderPassEncoderSetBlendConstant);
    WgpuCall call{WgpuOp::SetBlendConstant};
    call.f[0] = color->r;
    call.f[1] = color->g;
    call.f[2] = color->b;
    call.f[3] = color->a;
    record(call);
    real_wgpuRenderPassEncoderSetBlendConstant(pass, color);
}

void wgpuRenderPassEncoderDrawIndexed(WGPURenderPassEncoder pass, uint32_t indexCount,
                                      uint32_t instanceCount, uint32_t firstIndex,
                                      int32_t baseVertex, uint32_t firstInstance) {
    FORWARD(wgpuRenderPassEncoderDrawIndexed);
    WgpuCall call{WgpuOp::DrawIndexed};
    call.u[0] = indexCount;
    call.u[1] = instanceCount;
    call.u[2] = firstIndex;
    call.u[3] = static_cast<uint64_t>(static_cast<int64_t>(baseVertex));
    call.u[4] = firstInstance;
    record(call);
    real_wgpuRenderPassEncoderDrawIndexed(pass, indexCount, instanceCount, firstIndex, baseVertex,
                                          firstInstance);
}

} // extern "C"
