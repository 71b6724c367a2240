#include "Surface.h"

#include "NativeWindow.h"

#include "Device.h"

#include <initializer_list>

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

// Formats with red, green and blue that the scene's pipeline and the UI
// renderer can both draw and blend in.
bool drawable(WGPUTextureFormat format) {
    switch (format) {
    case WGPUTextureFormat_RGBA8Unorm:
    case WGPUTextureFormat_RGBA8UnormSrgb:
    case WGPUTextureFormat_BGRA8Unorm:
    case WGPUTextureFormat_BGRA8UnormSrgb:
    case WGPUTextureFormat_RGB10A2Unorm:
    case WGPUTextureFormat_RGBA16Float:
        return true;
    default:
        return false;
    }
}

bool encodesSrgb(WGPUTextureFormat format) {
    return format == WGPUTextureFormat_RGBA8UnormSrgb || format == WGPUTextureFormat_BGRA8UnormSrgb;
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
    if (wgpuSurfaceGetCapabilities(surface, adapter, &capabilities) != WGPUStatus_Success) {
        wgpuSurfaceRelease(surface);
        return false;
    }
    const WGPUTextureFormat format =
        chooseSurfaceFormat(capabilities.formats, capabilities.formatCount);
    const WGPUCompositeAlphaMode alphaMode = chooseAlphaMode(capabilities);
    wgpuSurfaceCapabilitiesFreeMembers(capabilities);
    if (format == WGPUTextureFormat_Undefined) {
        wgpuSurfaceRelease(surface);
        return false;
    }
    g_surface = surface;
    g_swapChainFormat = format;
    g_alphaMode = alphaMode;
    return true;
}

// The colours the program computes are the colours it wants on screen, so
// the formats without sRGB encoding come first, the two usual ones first of
// all. An sRGB format brightens every colour, but shows a picture.
WGPUTextureFormat chooseSurfaceFormat(const WGPUTextureFormat* formats, size_t count) {
    for (const WGPUTextureFormat usual :
         {WGPUTextureFormat_RGBA8Unorm, WGPUTextureFormat_BGRA8Unorm}) {
        if (offers(formats, count, usual)) {
            return usual;
        }
    }
    for (size_t i = 0; i < count; ++i) {
        if (drawable(formats[i]) && !encodesSrgb(formats[i])) {
            return formats[i];
        }
    }
    for (size_t i = 0; i < count; ++i) {
        if (drawable(formats[i])) {
            return formats[i];
        }
    }
    return WGPUTextureFormat_Undefined;
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

void releaseSwapChainForTesting() {
    if (g_surface != nullptr) {
        wgpuSurfaceRelease(g_surface);
    }
    g_surface = nullptr;
    g_swapChainFormat = WGPUTextureFormat_Undefined;
    g_configuration = WGPUSurfaceConfiguration{};
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
