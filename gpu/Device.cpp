#include "Device.h"

#include "BackendPlatform.h"
#include "Requests.h"
#include "StandardStreams.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

int g_backendType = 0;

namespace {
// Dawn may report a loss from any of its threads; the frame loop reads it.
std::mutex g_lossMutex;
bool g_lost = false;
std::string g_lossMessage;
} // namespace

namespace {
WGPUBackendType toLibraryBackend(int backend) {
    switch (backend) {
    case kBackendNull:
        return WGPUBackendType_Null;
    case kBackendD3D11:
        return WGPUBackendType_D3D11;
    case kBackendD3D12:
        return WGPUBackendType_D3D12;
    case kBackendMetal:
        return WGPUBackendType_Metal;
    case kBackendVulkan:
        return WGPUBackendType_Vulkan;
    case kBackendOpenGL:
        return WGPUBackendType_OpenGL;
    case kBackendOpenGLES:
        return WGPUBackendType_OpenGLES;
    default:
        return WGPUBackendType_Undefined;
    }
}

int fromLibraryBackend(WGPUBackendType backend) {
    for (int candidate = kBackendNull; candidate <= kBackendOpenGLES; ++candidate) {
        if (toLibraryBackend(candidate) == backend) {
            return candidate;
        }
    }
    return -1;
}

// How long the library may take to answer a request for an adapter. Finding
// the adapters takes well under a second, also on software drivers; a library
// that has not answered by then is taken to have none.
constexpr std::chrono::seconds kAdapterAnswerTimeout{10};

struct AdapterRequest {
    bool answered = false;
    bool abandoned = false;
    WGPUAdapter adapter = nullptr;
};

// Requests given up on stay for the rest of the process: the library may
// still answer them, as late as when the instance goes at exit.
std::vector<std::unique_ptr<AdapterRequest>> g_abandonedRequests;
bool g_lastRequestUnanswered = false;

void onAdapterAnswer(WGPURequestAdapterStatus status, WGPUAdapter adapter, WGPUStringView,
                     void* userdata1, void*) {
    auto* request = static_cast<AdapterRequest*>(userdata1);
    request->answered = true;
    request->adapter = status == WGPURequestAdapterStatus_Success ? adapter : nullptr;
    if (request->abandoned && request->adapter != nullptr) {
        wgpuAdapterRelease(request->adapter);
        request->adapter = nullptr;
    }
}

// The adapter the library answers the request with, or null when it answers
// none or does not answer in time.
WGPUAdapter requestAdapter(WGPUInstance instance, const WGPURequestAdapterOptions& options) {
    auto request = std::make_unique<AdapterRequest>();
    WGPURequestAdapterCallbackInfo callbackInfo{};
    callbackInfo.mode = WGPUCallbackMode_AllowProcessEvents;
    callbackInfo.callback = onAdapterAnswer;
    callbackInfo.userdata1 = request.get();
    wgpuInstanceRequestAdapter(instance, &options, callbackInfo);
    const auto deadline = std::chrono::steady_clock::now() + kAdapterAnswerTimeout;
    while (!request->answered && std::chrono::steady_clock::now() < deadline) {
        awaitAnswers(instance);
    }
    g_lastRequestUnanswered = !request->answered;
    if (!request->answered) {
        request->abandoned = true;
        g_abandonedRequests.push_back(std::move(request));
        return nullptr;
    }
    return request->adapter;
}

bool isOpenGLBackend(int backend) {
    return backend == kBackendOpenGL || backend == kBackendOpenGLES;
}

WGPUAdapter firstAdapterOf(int backend) {
    const WGPUBackendType libraryBackend = toLibraryBackend(backend);
    // No particular back end, where the platform leaves the choice to the
    // library: whatever adapter it answers with.
    const bool libraryChooses = backend == kBackendAny && kPrimaryBackend == kBackendAny;
    WGPUInstance instance = gpuInstance();
    if ((libraryBackend == WGPUBackendType_Undefined && !libraryChooses) || instance == nullptr) {
        return nullptr;
    }
    WGPURequestAdapterOptions options{};
    options.backendType = libraryBackend;
    // The library offers its OpenGL and OpenGL ES adapters only to a request
    // at the Compatibility feature level; every other back end keeps Core.
    if (isOpenGLBackend(backend)) {
        options.featureLevel = WGPUFeatureLevel_Compatibility;
    }
    WGPUAdapter adapter = requestAdapter(instance, options);
    if (adapter != nullptr && !libraryChooses && adapterBackend(adapter) != backend) {
        wgpuAdapterRelease(adapter);
        return nullptr;
    }
    if (adapter != nullptr && isOpenGLBackend(backend)) {
        keepOpenGLLibrariesLoaded();
    }
    return adapter;
}

struct InstanceHolder {
    WGPUInstance instance = wgpuCreateInstance(nullptr);
    ~InstanceHolder() {
        if (instance != nullptr) {
            wgpuInstanceRelease(instance);
        }
    }
};
} // namespace

int resolveBackendRequest(int requested) {
    return requested > kBackendOpenGLES ? kPrimaryBackend : requested;
}

WGPUInstance gpuInstance() {
    static InstanceHolder holder;
    return holder.instance;
}

int adapterBackend(WGPUAdapter adapter) {
    WGPUAdapterInfo info{};
    if (wgpuAdapterGetInfo(adapter, &info) != WGPUStatus_Success) {
        return -1;
    }
    const int backend = fromLibraryBackend(info.backendType);
    wgpuAdapterInfoFreeMembers(info);
    return backend;
}

bool adapterRequestWentUnanswered() {
    return g_lastRequestUnanswered;
}

WGPUAdapter selectAdapter(int preferred, int fallback) {
    g_lastRequestUnanswered = false;
    WGPUAdapter adapter = firstAdapterOf(preferred);
    if (adapter == nullptr && fallback != 0) {
        adapter = firstAdapterOf(fallback);
    }
    return adapter;
}

void onDeviceError(WGPUDevice const*, WGPUErrorType, WGPUStringView message, void*, void*) {
    if (message.data != nullptr) {
        size_t length = message.length == WGPU_STRLEN ? std::strlen(message.data) : message.length;
        // A message that ends its own last line (the browser's may) gets no
        // empty line after it.
        while (length > 0 &&
               (message.data[length - 1] == '\n' || message.data[length - 1] == '\r')) {
            --length;
        }
        std::fwrite(message.data, 1, length, stdout);
    }
    std::fputc('\n', stdout);
    flushEchoLine();
}

WGPUDeviceDescriptor deviceDescriptorWithCallbacks() {
    WGPUDeviceDescriptor descriptor{};
    descriptor.uncapturedErrorCallbackInfo.callback = onDeviceError;
    descriptor.deviceLostCallbackInfo.mode = WGPUCallbackMode_AllowSpontaneous;
    descriptor.deviceLostCallbackInfo.callback = onDeviceLost;
    return descriptor;
}

void onDeviceLost(WGPUDevice const*, WGPUDeviceLostReason reason, WGPUStringView message, void*,
                  void*) {
    if (reason == WGPUDeviceLostReason_Destroyed ||
        reason == WGPUDeviceLostReason_CallbackCancelled ||
        reason == WGPUDeviceLostReason_FailedCreation) {
        return;
    }
    std::string text;
    if (message.data != nullptr) {
        text.assign(message.data,
                    message.length == WGPU_STRLEN ? std::strlen(message.data) : message.length);
    }
    // The first line says why; Dawn's lines after it say where in Dawn.
    text = text.substr(0, text.find_first_of("\r\n"));
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    const std::lock_guard<std::mutex> lock(g_lossMutex);
    g_lost = true;
    g_lossMessage = text.empty() ? "no reason given" : text;
}

bool deviceLost() {
    const std::lock_guard<std::mutex> lock(g_lossMutex);
    return g_lost;
}

std::string takeDeviceLoss() {
    const std::lock_guard<std::mutex> lock(g_lossMutex);
    g_lost = false;
    std::string line = "The GPU device was lost: " + g_lossMessage;
    g_lossMessage.clear();
    return line;
}
