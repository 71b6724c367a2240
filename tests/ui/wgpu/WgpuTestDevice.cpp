#include "WgpuTestDevice.h"

#include "../../support/DrawDataLists.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace {

std::string text(WGPUStringView view) {
    if (!view.data)
        return std::string();
    return view.length == WGPU_STRLEN ? std::string(view.data)
                                      : std::string(view.data, view.length);
}

template <typename Done> bool pump(WGPUInstance instance, Done done) {
    const auto start = std::chrono::steady_clock::now();
    while (!done()) {
        wgpuInstanceProcessEvents(instance);
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(30))
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

struct AdapterRequest {
    bool done = false;
    WGPUAdapter adapter = nullptr;
    std::string message;
};

void onAdapter(WGPURequestAdapterStatus status, WGPUAdapter adapter, WGPUStringView message,
               void* userdata1, void*) {
    auto* request = static_cast<AdapterRequest*>(userdata1);
    request->done = true;
    request->adapter = status == WGPURequestAdapterStatus_Success ? adapter : nullptr;
    request->message = text(message);
}

void onWorkDone(WGPUQueueWorkDoneStatus, WGPUStringView, void* userdata1, void*) {
    *static_cast<bool*>(userdata1) = true;
}

struct MapRequest {
    bool done = false;
    WGPUMapAsyncStatus status = WGPUMapAsyncStatus_Error;
};

void onMapped(WGPUMapAsyncStatus status, WGPUStringView, void* userdata1, void*) {
    auto* request = static_cast<MapRequest*>(userdata1);
    request->status = status;
    request->done = true;
}

WGPUInstance g_instance = nullptr;

} // namespace

WgpuTestDevice::WgpuTestDevice(WGPUBackendType backend) {
    if (!g_instance)
        g_instance = wgpuCreateInstance(nullptr);
    instance_ = g_instance;

    WGPURequestAdapterOptions options;
    std::memset(&options, 0, sizeof(options));
    options.featureLevel = WGPUFeatureLevel_Core;
    options.backendType = backend;
    AdapterRequest request;
    WGPURequestAdapterCallbackInfo callback;
    std::memset(&callback, 0, sizeof(callback));
    callback.mode = WGPUCallbackMode_AllowProcessEvents;
    callback.callback = onAdapter;
    callback.userdata1 = &request;
    wgpuInstanceRequestAdapter(instance_, &options, callback);
    pump(instance_, [&] { return request.done; });
    adapter_ = request.adapter;
    if (!adapter_) {
        ADD_FAILURE() << "no adapter for back end " << backend << ": " << request.message;
        return;
    }

    WGPUDeviceDescriptor desc;
    std::memset(&desc, 0, sizeof(desc));
    desc.uncapturedErrorCallbackInfo.callback = onError;
    desc.uncapturedErrorCallbackInfo.userdata1 = this;
    device_ = wgpuAdapterCreateDevice(adapter_, &desc);
    if (!device_)
        ADD_FAILURE() << "no device for back end " << backend;
}

WgpuTestDevice::~WgpuTestDevice() {
    if (device_)
        wgpuDeviceRelease(device_);
    if (adapter_)
        wgpuAdapterRelease(adapter_);
    wgpuInstanceProcessEvents(instance_);
}

void WgpuTestDevice::onError(WGPUDevice const*, WGPUErrorType type, WGPUStringView message,
                             void* userdata1, void*) {
    auto* self = static_cast<WgpuTestDevice*>(userdata1);
    self->errors_.push_back("error type " + std::to_string(type) + ": " + text(message));
}

const std::vector<std::string>& WgpuTestDevice::flushErrors() {
    for (int i = 0; i < 3; ++i) {
        wgpuDeviceTick(device_);
        wgpuInstanceProcessEvents(instance_);
    }
    return errors_;
}

void WgpuTestDevice::waitIdle() {
    bool done = false;
    WGPUQueueWorkDoneCallbackInfo callback;
    std::memset(&callback, 0, sizeof(callback));
    callback.mode = WGPUCallbackMode_AllowProcessEvents;
    callback.callback = onWorkDone;
    callback.userdata1 = &done;
    WGPUQueue queue = wgpuDeviceGetQueue(device_);
    wgpuQueueOnSubmittedWorkDone(queue, callback);
    wgpuQueueRelease(queue);
    EXPECT_TRUE(pump(instance_, [&] { return done; })) << "the queue never finished";
}

RenderTarget::RenderTarget(WgpuTestDevice& gpu, uint32_t width, uint32_t height)
    : gpu_(gpu), width_(width), height_(height) {
    WGPUTextureDescriptor desc;
    std::memset(&desc, 0, sizeof(desc));
    desc.usage = WGPUTextureUsage_RenderAttachment | WGPUTextureUsage_CopySrc;
    desc.dimension = WGPUTextureDimension_2D;
    desc.size = {width, height, 1};
    desc.format = WGPUTextureFormat_RGBA8Unorm;
    desc.mipLevelCount = 1;
    desc.sampleCount = 1;
    texture_ = wgpuDeviceCreateTexture(gpu.device(), &desc);
    view_ = wgpuTextureCreateView(texture_, nullptr);
}

RenderTarget::~RenderTarget() {
    wgpuTextureViewRelease(view_);
    wgpuTextureRelease(texture_);
}

WGPURenderPassEncoder RenderTarget::begin(WGPUColor clear) {
    encoder_ = wgpuDeviceCreateCommandEncoder(gpu_.device(), nullptr);
    WGPURenderPassColorAttachment attachment;
    std::memset(&attachment, 0, sizeof(attachment));
    attachment.view = view_;
    attachment.depthSlice = WGPU_DEPTH_SLICE_UNDEFINED;
    attachment.loadOp = WGPULoadOp_Clear;
    attachment.storeOp = WGPUStoreOp_Store;
    attachment.clearValue = clear;
    WGPURenderPassDescriptor desc;
    std::memset(&desc, 0, sizeof(desc));
    desc.colorAttachmentCount = 1;
    desc.colorAttachments = &attachment;
    pass_ = wgpuCommandEncoderBeginRenderPass(encoder_, &desc);
    return pass_;
}

void RenderTarget::end() {
    wgpuRenderPassEncoderEnd(pass_);
    wgpuRenderPassEncoderRelease(pass_);
    pass_ = nullptr;
    WGPUCommandBuffer commands = wgpuCommandEncoderFinish(encoder_, nullptr);
    wgpuCommandEncoderRelease(encoder_);
    encoder_ = nullptr;
    WGPUQueue queue = wgpuDeviceGetQueue(gpu_.device());
    wgpuQueueSubmit(queue, 1, &commands);
    wgpuQueueRelease(queue);
    wgpuCommandBufferRelease(commands);
}

std::vector<uint8_t> RenderTarget::readPixels() {
    const uint32_t pitch = (width_ * 4 + 255) / 256 * 256;
    WGPUBufferDescriptor bufferDesc;
    std::memset(&bufferDesc, 0, sizeof(bufferDesc));
    bufferDesc.usage = WGPUBufferUsage_MapRead | WGPUBufferUsage_CopyDst;
    bufferDesc.size = static_cast<uint64_t>(pitch) * height_;
    WGPUBuffer readback = wgpuDeviceCreateBuffer(gpu_.device(), &bufferDesc);

    WGPUCommandEncoder encoder = wgpuDeviceCreateCommandEncoder(gpu_.device(), nullptr);
    WGPUTexelCopyTextureInfo source;
    std::memset(&source, 0, sizeof(source));
    source.texture = texture_;
    source.aspect = WGPUTextureAspect_All;
    WGPUTexelCopyBufferInfo destination;
    std::memset(&destination, 0, sizeof(destination));
    destination.layout.bytesPerRow = pitch;
    destination.layout.rowsPerImage = height_;
    destination.buffer = readback;
    WGPUExtent3D size = {width_, height_, 1};
    wgpuCommandEncoderCopyTextureToBuffer(encoder, &source, &destination, &size);
    WGPUCommandBuffer commands = wgpuCommandEncoderFinish(encoder, nullptr);
    wgpuCommandEncoderRelease(encoder);
    WGPUQueue queue = wgpuDeviceGetQueue(gpu_.device());
    wgpuQueueSubmit(queue, 1, &commands);
    wgpuQueueRelease(queue);
    wgpuCommandBufferRelease(commands);

    MapRequest request;
    WGPUBufferMapCallbackInfo callback;
    std::memset(&callback, 0, sizeof(callback));
    callback.mode = WGPUCallbackMode_AllowProcessEvents;
    callback.callback = onMapped;
    callback.userdata1 = &request;
    wgpuBufferMapAsync(readback, WGPUMapMode_Read, 0, WGPU_WHOLE_MAP_SIZE, callback);
    std::vector<uint8_t> pixels;
    if (!pump(g_instance, [&] { return request.done; }) ||
        request.status != WGPUMapAsyncStatus_Success) {
        ADD_FAILURE() << "the read-back buffer could not be mapped";
    } else {
        const auto* mapped = static_cast<const uint8_t*>(
            wgpuBufferGetConstMappedRange(readback, 0, bufferDesc.size));
        pixels.resize(static_cast<size_t>(width_) * height_ * 4);
        for (uint32_t row = 0; row < height_; ++row)
            std::memcpy(&pixels[static_cast<size_t>(row) * width_ * 4], mapped + row * pitch,
                        width_ * 4);
        wgpuBufferUnmap(readback);
    }
    wgpuBufferRelease(readback);
    return pixels;
}

UserTexture::UserTexture(WgpuTestDevice& gpu, uint32_t width, uint32_t height) {
    WGPUTextureDescriptor desc;
    std::memset(&desc, 0, sizeof(desc));
    desc.usage = WGPUTextureUsage_TextureBinding | WGPUTextureUsage_CopyDst;
    desc.dimension = WGPUTextureDimension_2D;
    desc.size = {width, height, 1};
    desc.format = WGPUTextureFormat_RGBA8Unorm;
    desc.mipLevelCount = 1;
    desc.sampleCount = 1;
    texture = wgpuDeviceCreateTexture(gpu.device(), &desc);
    view = wgpuTextureCreateView(texture, nullptr);
}

UserTexture::~UserTexture() {
    wgpuTextureViewRelease(view);
    wgpuTextureRelease(texture);
}

TestDrawData::TestDrawData(ImVec2 displayPos, ImVec2 displaySize) {
    data_.Valid = true;
    data_.DisplayPos = displayPos;
    data_.DisplaySize = displaySize;
    data_.FramebufferScale = ImVec2(1.0f, 1.0f);
}

ImDrawList& TestDrawData::addList(const ImDrawListSharedData* shared) {
    // Dear ImGui 1.90 takes the shared data as not const; it never changes it.
    lists_.push_back(std::make_unique<ImDrawList>(const_cast<ImDrawListSharedData*>(shared)));
    pointers_.push_back(lists_.back().get());
    return *lists_.back();
}

ImDrawData* TestDrawData::get() {
    setCmdLists(data_.CmdLists, pointers_);
    data_.CmdListsCount = static_cast<int>(pointers_.size());
    data_.TotalVtxCount = 0;
    data_.TotalIdxCount = 0;
    for (ImDrawList* list : pointers_) {
        data_.TotalVtxCount += list->VtxBuffer.Size;
        data_.TotalIdxCount += list->IdxBuffer.Size;
    }
    return &data_;
}

ImDrawCmd& addGeometry(ImDrawList& list, int vertices, int indices, ImVec4 clip,
                       ImTextureID texture) {
    ImDrawCmd cmd;
    cmd.ClipRect = clip;
    cmd.TextureId = texture;
    cmd.VtxOffset = 0;
    cmd.IdxOffset = static_cast<unsigned int>(list.IdxBuffer.Size);
    cmd.ElemCount = static_cast<unsigned int>(indices);
    const int firstVertex = list.VtxBuffer.Size;
    for (int i = 0; i < vertices; ++i) {
        ImDrawVert v;
        v.pos = ImVec2(static_cast<float>(i % 97), static_cast<float>(i % 89));
        v.uv = ImVec2(0.0f, 0.0f);
        v.col = 0xFFFFFFFF;
        list.VtxBuffer.push_back(v);
    }
    for (int i = 0; i < indices; ++i)
        list.IdxBuffer.push_back(static_cast<ImDrawIdx>(vertices ? firstVertex + i % vertices : 0));
    list.CmdBuffer.push_back(cmd);
    return list.CmdBuffer.back();
}
