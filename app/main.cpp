#include "Device.h"
#include "Scene.h"
#include "Window.h"

namespace {
Window* g_window = nullptr;
Scene* g_scene = nullptr;

void forwardFrame(double time) {
    g_scene->render(time);
}
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

    g_scene = new Scene();
    g_scene->setDevice(device);
    g_scene->setQueue(queue);
    // The surface stays the window's as well: the scene holds a reference of
    // its own.
    wgpuSurfaceAddRef(swapChain);
    g_scene->setSwapChain(swapChain);
    g_scene->createPipelineAndBuffers();

    g_window->show();
    g_window->run(forwardFrame);
    g_window->destroy();
    return 0;
}
