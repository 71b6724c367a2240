#include "Device.h"
#include "Window.h"

namespace {
Window* g_window = nullptr;

void forwardFrame(double /*time*/) {}
} // namespace

int main(int /*argc*/, char** /*argv*/) {
    g_window = new Window();
    void* nativeWindow = g_window->create();
    if (nativeWindow == nullptr) {
        return 0;
    }
    WGPUDevice device = g_window->createDevice(nativeWindow, kBackendAny);
    if (device == nullptr) {
        return 1;
    }
    WGPUSurface swapChain = g_window->createSwapChain(device);
    WGPUQueue queue = wgpuDeviceGetQueue(device);
    (void)swapChain;
    (void)queue;
    g_window->show();
    g_window->run(forwardFrame);
    g_window->destroy();
    return 0;
}
