// Fuzzes the UI renderer binding's recording of draw data on Dawn's null back
// end, which validates every call and executes nothing. The input becomes draw
// data as the UI library could hand it over, and beyond: any number of lists,
// raw vertices and indices, commands with any counts, offsets, clip rectangles
// (NaN and infinities among them) and texture ids (the font atlas, a texture
// of the application's, none), display origins of any value. User callbacks
// are left out: they run the application's own code. The display stays within
// the colour target, as the binding requires.
//
// A crash, a sanitizer report or an error from the device is a finding.

#include "imgui_impl_wgpu.h"

#include "../support/DrawDataLists.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <imgui.h>
#include <webgpu.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kTargetWidth = 320;
constexpr uint32_t kTargetHeight = 200;
constexpr int kMaxLists = 6;
constexpr int kMaxVertices = 300;
constexpr int kLargeListVertices = 66000; // past what 16-bit indices reach
constexpr int kMaxIndices = 900;
constexpr int kMaxCommands = 12;

struct Gpu {
    WGPUInstance instance = nullptr;
    WGPUDevice device = nullptr;
    WGPUQueue queue = nullptr;
    WGPUTexture target = nullptr;
    WGPUTextureView targetView = nullptr;
    WGPUTexture userTexture = nullptr;
    WGPUTextureView userView = nullptr;
    std::vector<std::string> errors;
};

Gpu* g_gpu = nullptr;

std::string text(WGPUStringView view) {
    if (view.data == nullptr) {
        return std::string();
    }
    return view.length == WGPU_STRLEN ? std::string(view.data)
                                      : std::string(view.data, view.length);
}

void onAdapter(WGPURequestAdapterStatus status, WGPUAdapter adapter, WGPUStringView, void* out,
               void*) {
    *static_cast<WGPUAdapter*>(out) =
        status == WGPURequestAdapterStatus_Success ? adapter : nullptr;
}

void onError(WGPUDevice const*, WGPUErrorType, WGPUStringView message, void* gpu, void*) {
    static_cast<Gpu*>(gpu)->errors.push_back(text(message));
}

WGPUTexture makeTexture(WGPUTextureUsage usage, uint32_t width, uint32_t height) {
    WGPUTextureDescriptor desc{};
    desc.usage = usage;
    desc.dimension = WGPUTextureDimension_2D;
    desc.size = {width, height, 1};
    desc.format = WGPUTextureFormat_RGBA8Unorm;
    desc.mipLevelCount = 1;
    desc.sampleCount = 1;
    return wgpuDeviceCreateTexture(g_gpu->device, &desc);
}

void bringUp() {
    g_gpu = new Gpu();
    g_gpu->instance = wgpuCreateInstance(nullptr);
    WGPURequestAdapterOptions options{};
    options.featureLevel = WGPUFeatureLevel_Core;
    options.backendType = WGPUBackendType_Null;
    WGPUAdapter adapter = nullptr;
    WGPURequestAdapterCallbackInfo callback{};
    callback.mode = WGPUCallbackMode_AllowProcessEvents;
    callback.callback = onAdapter;
    callback.userdata1 = &adapter;
    wgpuInstanceRequestAdapter(g_gpu->instance, &options, callback);
    wgpuInstanceProcessEvents(g_gpu->instance);
    if (adapter == nullptr) {
        std::fprintf(stderr, "no adapter for the null back end\n");
        std::abort();
    }
    WGPUDeviceDescriptor desc{};
    desc.uncapturedErrorCallbackInfo.callback = onError;
    desc.uncapturedErrorCallbackInfo.userdata1 = g_gpu;
    g_gpu->device = wgpuAdapterCreateDevice(adapter, &desc);
    wgpuAdapterRelease(adapter);
    g_gpu->queue = wgpuDeviceGetQueue(g_gpu->device);
    g_gpu->target = makeTexture(WGPUTextureUsage_RenderAttachment, kTargetWidth, kTargetHeight);
    g_gpu->targetView = wgpuTextureCreateView(g_gpu->target, nullptr);
    g_gpu->userTexture =
        makeTexture(WGPUTextureUsage_TextureBinding | WGPUTextureUsage_CopyDst, 16, 16);
    g_gpu->userView = wgpuTextureCreateView(g_gpu->userTexture, nullptr);

    ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr;
    if (!ImGui_ImplWGPU_Init(g_gpu->device, 3, WGPUTextureFormat_RGBA8Unorm)) {
        std::abort();
    }
    ImGui_ImplWGPU_NewFrame();
}

// Any float, NaN, infinities and denormals included, or one near the display.
float anyFloat(FuzzedDataProvider& in, float low, float high) {
    if (in.ConsumeIntegralInRange(0, 3) == 0) {
        const uint32_t bits = in.ConsumeIntegral<uint32_t>();
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof(value));
        return value;
    }
    return in.ConsumeFloatingPointInRange(low, high);
}

// Mostly counts and offsets within reach, sometimes any 32-bit value.
unsigned int anyCount(FuzzedDataProvider& in, unsigned int usual) {
    return in.ConsumeIntegralInRange(0, 3) != 0 ? in.ConsumeIntegralInRange<unsigned int>(0, usual)
                                                : in.ConsumeIntegral<unsigned int>();
}

float displayExtent(FuzzedDataProvider& in, uint32_t target) {
    switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
        return 0.0f;
    case 1:
        return -1.0f;
    case 2:
        return 0.5f;
    case 3:
        return std::nanf("");
    case 4:
    case 5:
        return static_cast<float>(target);
    default:
        return in.ConsumeFloatingPointInRange(0.0f, static_cast<float>(target));
    }
}

// Vertex and index values matter to the device only as bytes to copy, so a
// seed from the input makes them; the input's bytes go to the commands.
class Filler {
  public:
    explicit Filler(uint32_t seed) : state_(seed | 1u) {}
    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    float any() {
        const uint32_t bits = next();
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof(value));
        return value;
    }

  private:
    uint32_t state_;
};

void fillList(FuzzedDataProvider& in, ImDrawList& list) {
    Filler filler(in.ConsumeIntegral<uint32_t>());
    const int vertices = in.ConsumeIntegralInRange(0, 31) == 0
                             ? kLargeListVertices
                             : in.ConsumeIntegralInRange(0, kMaxVertices);
    list.VtxBuffer.resize(vertices);
    const bool rawVertices = in.ConsumeBool();
    for (int i = 0; i < vertices; ++i) {
        ImDrawVert& v = list.VtxBuffer[i];
        if (rawVertices) {
            v.pos = ImVec2(filler.any(), filler.any());
            v.uv = ImVec2(filler.any(), filler.any());
        } else {
            v.pos = ImVec2(static_cast<float>(filler.next() % 400),
                           static_cast<float>(filler.next() % 300));
            v.uv = ImVec2(0.0f, 0.0f);
        }
        v.col = filler.next();
    }
    const int indices = in.ConsumeIntegralInRange(0, kMaxIndices);
    list.IdxBuffer.resize(indices);
    const bool rawIndices = in.ConsumeBool();
    for (int i = 0; i < indices; ++i) {
        const uint32_t value = filler.next();
        list.IdxBuffer[i] = static_cast<ImDrawIdx>(
            rawIndices || vertices == 0 ? value : value % static_cast<uint32_t>(vertices));
    }
    const int commands = in.ConsumeIntegralInRange(0, kMaxCommands);
    for (int i = 0; i < commands; ++i) {
        ImDrawCmd cmd;
        cmd.ClipRect = ImVec4(anyFloat(in, -50.0f, 400.0f), anyFloat(in, -50.0f, 300.0f),
                              anyFloat(in, -50.0f, 400.0f), anyFloat(in, -50.0f, 300.0f));
        switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0:
            cmd.TextureId = ImGui::GetIO().Fonts->TexID;
            break;
        case 1:
            cmd.TextureId = static_cast<ImTextureID>(g_gpu->userView);
            break;
        default:
            cmd.TextureId = nullptr;
            break;
        }
        cmd.VtxOffset = anyCount(in, static_cast<unsigned int>(vertices) + 2);
        cmd.IdxOffset = anyCount(in, static_cast<unsigned int>(indices) + 2);
        cmd.ElemCount = anyCount(in, static_cast<unsigned int>(indices) + 2);
        cmd.UserCallback = nullptr;
        list.CmdBuffer.push_back(cmd);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bringUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);

    ImDrawData drawData;
    drawData.Valid = true;
    drawData.DisplayPos = ImVec2(anyFloat(in, -100.0f, 100.0f), anyFloat(in, -100.0f, 100.0f));
    drawData.DisplaySize =
        ImVec2(displayExtent(in, kTargetWidth), displayExtent(in, kTargetHeight));
    drawData.FramebufferScale = ImVec2(1.0f, 1.0f);
    std::vector<std::unique_ptr<ImDrawList>> lists;
    std::vector<ImDrawList*> pointers;
    const int listCount = in.ConsumeIntegralInRange(0, kMaxLists);
    for (int i = 0; i < listCount; ++i) {
        lists.push_back(std::make_unique<ImDrawList>(nullptr));
        fillList(in, *lists.back());
        pointers.push_back(lists.back().get());
    }
    setCmdLists(drawData.CmdLists, pointers);
    drawData.CmdListsCount = listCount;
    // The totals the UI library would fill in, or anything: the binding
    // counts for itself.
    drawData.TotalVtxCount = in.ConsumeIntegral<int>();
    drawData.TotalIdxCount = in.ConsumeIntegral<int>();

    WGPUCommandEncoder encoder = wgpuDeviceCreateCommandEncoder(g_gpu->device, nullptr);
    WGPURenderPassColorAttachment attachment{};
    attachment.view = g_gpu->targetView;
    attachment.depthSlice = WGPU_DEPTH_SLICE_UNDEFINED;
    attachment.loadOp = WGPULoadOp_Clear;
    attachment.storeOp = WGPUStoreOp_Store;
    WGPURenderPassDescriptor pass{};
    pass.colorAttachmentCount = 1;
    pass.colorAttachments = &attachment;
    WGPURenderPassEncoder passEncoder = wgpuCommandEncoderBeginRenderPass(encoder, &pass);
    ImGui_ImplWGPU_RenderDrawData(&drawData, passEncoder);
    wgpuRenderPassEncoderEnd(passEncoder);
    wgpuRenderPassEncoderRelease(passEncoder);
    WGPUCommandBuffer commands = wgpuCommandEncoderFinish(encoder, nullptr);
    wgpuCommandEncoderRelease(encoder);
    wgpuQueueSubmit(g_gpu->queue, 1, &commands);
    wgpuCommandBufferRelease(commands);
    wgpuDeviceTick(g_gpu->device);
    wgpuInstanceProcessEvents(g_gpu->instance);

    if (!g_gpu->errors.empty()) {
        std::fprintf(stderr, "device error: %s\n", g_gpu->errors.front().c_str());
        std::abort();
    }
    return 0;
}
