#include "Window.h"

#include "Device.h"
#include "NativeHandle.h"
#include "Surface.h"
#include "SurfaceRefusal.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdio>
#include <string>

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

// An adapter that was asked for and not answered in time is not the same as
// none: the user can do something different about each.
std::string noAdapter(int backend) {
    if (adapterRequestWentUnanswered()) {
        return std::string("the request for a graphics adapter of the ") + backendName(backend) +
               " back end had no answer within 10 seconds";
    }
    return std::string("no graphics adapter of the ") + backendName(backend) + " back end";
}

// With the reason the WebGPU implementation gave, where it gave one.
std::string noDevice(const std::string& refusal) {
    const bool named = g_backendType >= kBackendNull && g_backendType <= kBackendOpenGLES;
    std::string text = std::string("the ") + (named ? backendName(g_backendType) : "graphics") +
                       " adapter could not make a device";
    return refusal.empty() ? text : text + " (" + refusal + ")";
}
} // namespace

WGPUDevice Window::createDevice(void* nativeWindow, int requested) {
    requested = resolveBackendRequest(requested);
    backendRequest = requested;
    device = nullptr;
    WGPUAdapter adapter = selectAdapter(requested, 0);
    if (adapter == nullptr) {
        std::fprintf(stderr, "%s %s\n", kCannotRun, noAdapter(requested).c_str());
    } else {
        g_backendType = adapterBackend(adapter);
        std::string refusal;
        device = createDeviceWithErrorPrinter(adapter, &refusal);
        if (device == nullptr) {
            std::fprintf(stderr, "%s %s\n", kCannotRun, noDevice(refusal).c_str());
        } else if (!createNativeSwapChainImpl(g_backendType, adapter, device, nativeWindow)) {
            // Without a surface nothing could ever be shown. Asking for the
            // depth of a window another client destroyed marks it closed.
            const std::string why = surfaceRefusal(glfwWindow, backendName(g_backendType));
            closedEarly = glfwWindowShouldClose(glfwWindow) == GLFW_TRUE;
            if (!closedEarly) {
                std::fprintf(stderr, "%s %s\n", kCannotRun, why.c_str());
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
        std::fprintf(stderr, "%s the GPU device was lost, and %s\n", kCannotGoOn,
                     noAdapter(backendRequest).c_str());
        return nullptr;
    }
    std::string refusal;
    device = createDeviceWithErrorPrinter(adapter, &refusal);
    wgpuAdapterRelease(adapter);
    if (device == nullptr) {
        std::fprintf(stderr, "%s the GPU device was lost, and %s\n", kCannotGoOn,
                     noDevice(refusal).c_str());
        return nullptr;
    }
    swapChain = configureSwapChain(device);
    return device;
}
