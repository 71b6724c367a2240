#include "Device.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstring>

int g_backendType = 0;

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

struct AdapterRequest {
    bool answered = false;
    WGPUAdapter adapter = nullptr;
};

void onAdapterAnswer(WGPURequestAdapterStatus status, WGPUAdapter adapter, WGPUStringView,
                     void* userdata1, void*) {
    auto* request = static_cast<AdapterRequest*>(userdata1);
    request->answered = true;
    request->adapter = status == WGPURequestAdapterStatus_Success ? adapter : nullptr;
}

// The library loads the EGL library for its OpenGL adapters and unloads it
// when the last of their devices is gone, while Mesa's rendering threads can
// still be running its code: a crash. Once loaded, it stays for the process.
void keepEglLoaded() {
    dlopen("libEGL.so", RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}

WGPUAdapter firstAdapterOf(int backend) {
    const WGPUBackendType libraryBackend = toLibraryBackend(backend);
    if (libraryBackend == WGPUBackendType_Undefined) {
        return nullptr;
    }
    WGPURequestAdapterOptions options{};
    options.backendType = libraryBackend;
    // The library offers its OpenGL and OpenGL ES adapters only to a request
    // at the Compatibility feature level; every other back end keeps Core.
    if (backend == kBackendOpenGL || backend == kBackendOpenGLES) {
        options.featureLevel = WGPUFeatureLevel_Compatibility;
    }
    AdapterRequest request;
    WGPURequestAdapterCallbackInfo callbackInfo{};
    callbackInfo.mode = WGPUCallbackMode_AllowProcessEvents;
    callbackInfo.callback = onAdapterAnswer;
    callbackInfo.userdata1 = &request;
    wgpuInstanceRequestAdapter(gpuInstance(), &options, callbackInfo);
    while (!request.answered) {
        wgpuInstanceProcessEvents(gpuInstance());
    }
    if (request.adapter != nullptr && adapterBackend(request.adapter) != backend) {
        wgpuAdapterRelease(request.adapter);
        return nullptr;
    }
    if (request.adapter != nullptr && (backend == kBackendOpenGL || backend == kBackendOpenGLES)) {
        keepEglLoaded();
    }
    return request.adapter;
}

struct InstanceHolder {
    WGPUInstance instance = wgpuCreateInstance(nullptr);
    ~InstanceHolder() { wgpuInstanceRelease(instance); }
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

WGPUAdapter selectAdapter(int preferred, int fallback) {
    WGPUAdapter adapter = firstAdapterOf(preferred);
    if (adapter == nullptr && fallback != 0) {
        adapter = firstAdapterOf(fallback);
    }
    return adapter;
}

WGPUDevice createDeviceWithErrorPrinter(WGPUAdapter adapter) {
    WGPUDeviceDescriptor descriptor{};
    descriptor.uncapturedErrorCallbackInfo.callback = onDeviceError;
    return wgpuAdapterCreateDevice(adapter, &descriptor);
}

void onDeviceError(WGPUDevice const*, WGPUErrorType, WGPUStringView message, void*, void*) {
    if (message.data != nullptr) {
        const size_t length =
            message.length == WGPU_STRLEN ? std::strlen(message.data) : message.length;
        std::fwrite(message.data, 1, length, stdout);
    }
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
