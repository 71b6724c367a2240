#include "Surface.h"

#include "NativeWindow.h"
#include "SurfaceSource.h"

#include "Device.h"
#include "DisplayConnection.h"
#include "SurfaceExtent.h"

#include <initializer_list>

WGPUSurface g_surface = nullptr;
WGPUTextureFormat g_swapChainFormat = WGPUTextureFormat_Undefined;

// The surface's own connection to the window's display, open while the surface
// lives. On the window's connection every reply the event loop and the UI wait
// for would queue behind the pixels of the frames presented before it.
void* g_presentationDisplay = nullptr;
WGPUSurfaceConfiguration g_surfaceConfiguration{};

namespace {
WGPUCompositeAlphaMode g_alphaMode = WGPUCompositeAlphaMode_Auto;

// Falls back to the window's own connection when the server refuses another:
// slower, but the program still shows.
void* presentationDisplayFor(const NativeWindow& native) {
    g_presentationDisplay = openDisplayConnectionLike(native.display);
    return g_presentationDisplay != nullptr ? g_presentationDisplay : native.display;
}

void closePresentationDisplay() {
    closeDisplayConnection(g_presentationDisplay);
    g_presentationDisplay = nullptr;
}

WGPUSurface createSurface(const NativeWindow& native) {
    return createWindowSurface(gpuInstance(), native, presentationDisplayFor(native));
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
        closePresentationDisplay();
        return false;
    }
    WGPUSurfaceCapabilities capabilities{};
    if (wgpuSurfaceGetCapabilities(surface, adapter, &capabilities) != WGPUStatus_Success) {
        wgpuSurfaceRelease(surface);
        closePresentationDisplay();
        return false;
    }
    const WGPUTextureFormat format =
        chooseSurfaceFormat(capabilities.formats, capabilities.formatCount);
    const WGPUCompositeAlphaMode alphaMode = chooseAlphaMode(capabilities);
    wgpuSurfaceCapabilitiesFreeMembers(capabilities);
    if (format == WGPUTextureFormat_Undefined) {
        wgpuSurfaceRelease(surface);
        closePresentationDisplay();
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
    // A surface goes from one device to another (the first one lost) only
    // through being unconfigured: Dawn's Vulkan swap chain refuses otherwise.
    if (g_surfaceConfiguration.device != nullptr && g_surfaceConfiguration.device != device) {
        wgpuSurfaceUnconfigure(g_surface);
    }
    g_surfaceConfiguration = WGPUSurfaceConfiguration{};
    g_surfaceConfiguration.device = device;
    g_surfaceConfiguration.format = g_swapChainFormat;
    g_surfaceConfiguration.usage = WGPUTextureUsage_RenderAttachment;
    const SurfaceExtent extent = wantedSurfaceExtent();
    g_surfaceConfiguration.width = extent.width;
    g_surfaceConfiguration.height = extent.height;
    g_surfaceConfiguration.alphaMode = g_alphaMode;
    g_surfaceConfiguration.presentMode = WGPUPresentMode_Fifo;
    wgpuSurfaceConfigure(g_surface, &g_surfaceConfiguration);
    return g_surface;
}

bool fitSwapChainToWindow() {
    if (g_surface == nullptr || g_surfaceConfiguration.device == nullptr) {
        return false;
    }
    const SurfaceExtent configured{g_surfaceConfiguration.width, g_surfaceConfiguration.height};
    const SurfaceExtent wanted = wantedSurfaceExtent();
    if (wanted == configured && drawingBufferHas(configured)) {
        return false;
    }
    g_surfaceConfiguration.width = wanted.width;
    g_surfaceConfiguration.height = wanted.height;
    wgpuSurfaceConfigure(g_surface, &g_surfaceConfiguration);
    return true;
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
        if (g_surfaceConfiguration.device != nullptr) {
            wgpuSurfaceConfigure(surface, &g_surfaceConfiguration);
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
