#include "Window.h"

#include "Device.h"
#include "NativeHandle.h"
#include "Surface.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

WGPUDevice Window::createDevice(void* nativeWindow, int requested) {
    requested = resolveBackendRequest(requested);
    device = nullptr;
    WGPUAdapter adapter = selectAdapter(requested, 0);
    if (adapter != nullptr) {
        g_backendType = adapterBackend(adapter);
        device = createDeviceWithErrorPrinter(adapter);
        if (device != nullptr &&
            !createNativeSwapChainImpl(g_backendType, adapter, device, nativeWindow)) {
            // Without a surface nothing could ever be shown.
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
