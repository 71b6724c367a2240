#include "Window.h"

#include "Device.h"
#include "NativeHandle.h"
#include "Surface.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdio>

namespace {
const char* backendName(int backend) {
    static const char* const names[] = {"null",   "Direct3D 11", "Direct3D 12", "Metal",
                                        "Vulkan", "OpenGL",      "OpenGL ES"};
    return backend >= kBackendNull && backend <= kBackendOpenGLES ? names[backend] : "requested";
}

// Why the program cannot run goes on one line of standard error: standard
// output carries the echo and the device's messages only.
constexpr const char* kCannotRun = "Tallowick cannot run:";
constexpr const char* kCannotGoOn = "Tallowick cannot go on:";
} // namespace

WGPUDevice Window::createDevice(void* nativeWindow, int requested) {
    requested = resolveBackendRequest(requested);
    backendRequest = requested;
    device = nullptr;
    WGPUAdapter adapter = selectAdapter(requested, 0);
    if (adapter == nullptr) {
        std::fprintf(stderr, "%s no graphics adapter of the %s back end\n", kCannotRun,
                     backendName(requested));
    } else {
        g_backendType = adapterBackend(adapter);
        device = createDeviceWithErrorPrinter(adapter);
        if (device == nullptr) {
            std::fprintf(stderr, "%s the %s adapter could not make a device\n", kCannotRun,
                         backendName(g_backendType));
        } else if (!createNativeSwapChainImpl(g_backendType, adapter, device, nativeWindow)) {
            // Without a surface nothing could ever be shown. Asking for the
            // depth of a window another client destroyed marks it closed.
            const int depth = windowDepthOf(glfwWindow);
            closedEarly = glfwWindowShouldClose(glfwWindow) == GLFW_TRUE;
            if (!closedEarly) {
                std::fprintf(stderr,
                             "%s the %s device cannot present to a window of depth %d on this "
                             "display\n",
                             kCannotRun, backendName(g_backendType), depth);
            }
            wgpuDeviceRelease(device);
            device = nullptr;
        }
        wgpuAdapterRelease(adapter);
    }
    if (device == nullptr) {
        if (glfwWindow != nullptr) {
            handleErrorsAboutGoneWindows(nullptr);
            glfwDestroyWindow(glfwWindow);
        }
        glfwTerminate();
    }
    return device;
}

WGPUSurface Window::createSwapChain(WGPUDevice forDevice) {
    swapChain = configureSwapChain(forDevice);
    return swapChain;
}

WGPUDevice Window::replaceDevice() {
    WGPUAdapter adapter = selectAdapter(backendRequest, 0);
    if (adapter == nullptr) {
        std::fprintf(stderr,
                     "%s the GPU device was lost, and no graphics adapter of the %s back end is "
                     "left\n",
                     kCannotGoOn, backendName(backendRequest));
        return nullptr;
    }
    device = createDeviceWithErrorPrinter(adapter);
    wgpuAdapterRelease(adapter);
    if (device == nullptr) {
        std::fprintf(stderr,
                     "%s the GPU device was lost, and the %s adapter could not make a new one\n",
                     kCannotGoOn, backendName(backendRequest));
        return nullptr;
    }
    swapChain = configureSwapChain(device);
    return device;
}
