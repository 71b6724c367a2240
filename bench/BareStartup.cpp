#include "BareStartup.h"

#include "BareFrame.h"
#include "GlfwStart.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3native.h>

#include <cstdio>

namespace {
void onAdapter(WGPURequestAdapterStatus status, WGPUAdapter adapter, WGPUStringView, void* answer,
               void* answered) {
    *static_cast<WGPUAdapter*>(answer) =
        status == WGPURequestAdapterStatus_Success ? adapter : nullptr;
    *static_cast<bool*>(answered) = true;
}

// A format without sRGB encoding, as the program chooses, so that the same
// colour values give the same pixels.
WGPUTextureFormat unormFormat(const WGPUSurfaceCapabilities& capabilities) {
    for (size_t i = 0; i < capabilities.formatCount; ++i) {
        if (capabilities.formats[i] == WGPUTextureFormat_RGBA8Unorm ||
            capabilities.formats[i] == WGPUTextureFormat_BGRA8Unorm) {
            return capabilities.formats[i];
        }
    }
    return capabilities.formatCount > 0 ? capabilities.formats[0] : WGPUTextureFormat_Undefined;
}
} // namespace

int runBareStartup() {
    if (!startGlfw()) {
        return 1;
    }
    glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
    GLFWwindow* window = glfwCreateWindow(1280, 720, "Tallowick bare", nullptr, nullptr);
    if (window == nullptr) {
        return 1;
    }

    WGPUInstance instance = wgpuCreateInstance(nullptr);
    WGPURequestAdapterOptions options{};
    options.backendType = WGPUBackendType_Vulkan;
    WGPUAdapter adapter = nullptr;
    bool answered = false;
    WGPURequestAdapterCallbackInfo callback{};
    callback.mode = WGPUCallbackMode_AllowProcessEvents;
    callback.callback = onAdapter;
    callback.userdata1 = &adapter;
    callback.userdata2 = &answered;
    wgpuInstanceRequestAdapter(instance, &options, callback);
    while (!answered) {
        wgpuInstanceProcessEvents(instance);
    }
    if (adapter == nullptr) {
        std::fprintf(stderr, "no Vulkan adapter\n");
        return 1;
    }
    WGPUDeviceDescriptor deviceDesc{};
    WGPUDevice device = wgpuAdapterCreateDevice(adapter, &deviceDesc);
    if (device == nullptr) {
        return 1;
    }

    WGPUSurfaceSourceXlibWindow source{};
    source.chain.sType = WGPUSType_SurfaceSourceXlibWindow;
    source.display = glfwGetX11Display();
    source.window = glfwGetX11Window(window);
    WGPUSurfaceDescriptor surfaceDesc{};
    surfaceDesc.nextInChain = &source.chain;
    WGPUSurface surface = wgpuInstanceCreateSurface(instance, &surfaceDesc);
    WGPUSurfaceCapabilities capabilities{};
    if (surface == nullptr ||
        wgpuSurfaceGetCapabilities(surface, adapter, &capabilities) != WGPUStatus_Success) {
        return 1;
    }
    WGPUSurfaceConfiguration configuration{};
    configuration.device = device;
    configuration.format = unormFormat(capabilities);
    configuration.usage = WGPUTextureUsage_RenderAttachment;
    configuration.width = 1280;
    configuration.height = 720;
    configuration.presentMode = WGPUPresentMode_Fifo;
    wgpuSurfaceConfigure(surface, &configuration);
    wgpuSurfaceCapabilitiesFreeMembers(capabilities);
    wgpuAdapterRelease(adapter);

    {
        BareFrame frame(device, configuration.format);
        glfwPollEvents();
        frame.render(surface);
        while (!glfwWindowShouldClose(window)) {
            glfwPollEvents();
            frame.render(surface);
        }
    }
    wgpuSurfaceRelease(surface);
    wgpuDeviceRelease(device);
    wgpuInstanceRelease(instance);
    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}
