#include "Surface.h"

#include "NativeWindow.h"

#include "Device.h"

WGPUSurface g_surface = nullptr;
WGPUTextureFormat g_swapChainFormat = WGPUTextureFormat_Undefined;

namespace {
WGPUSurfaceConfiguration g_configuration{};
WGPUCompositeAlphaMode g_alphaMode = WGPUCompositeAlphaMode_Auto;

WGPUSurface createSurface(const NativeWindow& native) {
    WGPUSurfaceSourceXlibWindow source{};
    source.chain.sType = WGPUSType_SurfaceSourceXlibWindow;
    source.display = native.display;
    source.window = native.window;
    WGPUSurfaceDescriptor descriptor{};
    descriptor.nextInChain = &source.chain;
    return wgpuInstanceCreateSurface(gpuInstance(), &descriptor);
}

bool offers(const WGPUTextureFormat* formats, size_t count, WGPUTextureFormat format) {
    for (size_t i = 0; i < count; ++i) {
        if (formats[i] == format) {
            return true;
        }
    }
    return false;
}

// The non-sRGB formats come first: the colours the program computes are the
// colours it wants on screen.
WGPUTextureFormat chooseFormat(const WGPUSurfaceCapabilities& capabilities) {
    if (offers(capabilities.formats, capabilities.formatCount, WGPUTextureFormat_RGBA8Unorm)) {
        return WGPUTextureFormat_RGBA8Unorm;
    }
    if (offers(capabilities.formats, capabilities.formatCount, WGPUTextureFormat_BGRA8Unorm)) {
        return WGPUTextureFormat_BGRA8Unorm;
    }
    return capabilities.formatCount > 0 ? capabilities.formats[0] : WGPUTextureFormat_Undefined;
}

WGPUCompositeAlphaMode chooseAlphaMode(const WGPUSurfaceCapabilities& capabilities) {
    for (size_t i = 0; i < capabilities.alphaModeCount; ++i) {
        if (capabilities.alphaModes[i] == WGPUCompositeAlphaMode_Opaque) {
            return WGPUCompositeAlphaMode_Opaque;
        }
    }
    return WGPUCompositeAlphaMode_Auto;
}
} // namespace

bool createNativeSwapChainImpl(int /*backendType*/, WGPUAdapter adapter, WGPUDevice /*device*/,
                               void* nativeWindow) {
    if (g_surface != nullptr) {
        return true;
    }
    WGPUSurface surface = createSurface(*static_cast<const NativeWindow*>(nativeWindow));
    if (surface == nullptr) {
        return false;
    }
    WGPUSurfaceCapabilities capabilities{};
    if (wgpuSurfaceGetCapabilities(surface, adapter, &capabilities) != WGPUStatus_Success ||
        capabilities.formatCount == 0) {
        wgpuSurfaceRelease(surface);
        return false;
    }
    g_surface = surface;
    g_swapChainFormat = chooseFormat(capabilities);
    g_alphaMode = chooseAlphaMode(capabilities);
    wgpuSurfaceCapabilitiesFreeMembers(capabilities);
    return true;
}

WGPUSurface configureSwapChain(WGPUDevice device) {
    g_configuration = WGPUSurfaceConfiguration{};
    g_configuration.device = device;
    g_configuration.format = g_swapChainFormat;
    g_configuration.usage = WGPUTextureUsage_RenderAttachment;
    g_configuration.width = kSurfaceWidth;
    g_configuration.height = kSurfaceHeight;
    g_configuration.alphaMode = g_alphaMode;
    g_configuration.presentMode = WGPUPresentMode_Fifo;
    wgpuSurfaceConfigure(g_surface, &g_configuration);
    return g_surface;
}

bool acquireFrameTarget(WGPUSurface surface, FrameTarget& target) {
    WGPUSurfaceTexture surfaceTexture{};
    wgpuSurfaceGetCurrentTexture(surface, &surfaceTexture);
    switch (surfaceTexture.status) {
    case WGPUSurfaceGetCurrentTextureStatus_SuccessOptimal:
    case WGPUSurfaceGetCurrentTextureStatus_SuccessSuboptimal:
        target.texture = surfaceTexture.texture;
        target.view = wgpuTextureCreateView(surfaceTexture.texture, nullptr);
        return true;
    case WGPUSurfaceGetCurrentTextureStatus_Outdated:
    case WGPUSurfaceGetCurrentTextureStatus_Lost:
        if (surfaceTexture.texture != nullptr) {
            wgpuTextureRelease(surfaceTexture.texture);
        }
        if (g_configuration.device != nullptr) {
            wgpuSurfaceConfigure(surface, &g_configuration);
        }
        return false;
    default:
        if (surfaceTexture.texture != nullptr) {
            wgpuTextureRelease(surfaceTexture.texture);
        }
        return false;
    }
}

void presentFrameTarget(WGPUSurface surface, FrameTarget& target) {
    wgpuSurfacePresent(surface);
    wgpuTextureViewRelease(target.view);
    wgpuTextureRelease(target.texture);
    target = FrameTarget{};
}
