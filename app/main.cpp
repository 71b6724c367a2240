#include "Device.h"
#include "Scene.h"
#include "StandardStreams.h"
#include "Window.h"

#include <cstdio>
#include <string>

namespace {
Window* g_window = nullptr;
Scene* g_scene = nullptr;
int g_exitStatus = 0;

// GLFW calls these only from inside glfwPollEvents and the event loop, which
// start after the scene exists.
void forwardKey(int key, ButtonAction action) {
    g_scene->onKey(key, action);
}

void forwardMouseButton(MouseButton button, ButtonAction action, int x, int y) {
    g_scene->onMouseButton(button, action, x, y);
}

// A lost device is said on standard output and replaced before the next
// frame. False when no new one can be had.
bool carryOnAfterDeviceLoss() {
    const std::string line = takeDeviceLoss();
    std::printf("%s\n", line.c_str());
    flushEchoLine();
    WGPUDevice device = g_window->replaceDevice();
    if (device == nullptr) {
        return false;
    }
    g_scene->replaceDevice(device);
    return true;
}

void forwardFrame(double time) {
    if (deviceLost() && !carryOnAfterDeviceLoss()) {
        g_exitStatus = 1;
        g_window->close();
        return;
    }
    g_scene->render(time);
}

void forwardResize(int width, int height) {
    g_scene->onResize(width, height);
}
} // namespace

int main(int /*argc*/, char** /*argv*/) {
    if (!prepareStandardStreams()) {
        return 1;
    }

    g_window = new Window();
    void* nativeWindow = g_window->create();
    if (nativeWindow == nullptr) {
        return 0;
    }
    GLFWwindow* glfwWindow = g_window->getGlfwWindow();
    WGPUDevice device = g_window->createDevice(nativeWindow, kBackendAny);
    if (device == nullptr) {
        return g_window->closedBeforeShown() ? 0 : 1;
    }
    WGPUSurface swapChain = g_window->createSwapChain(device);
    WGPUQueue queue = wgpuDeviceGetQueue(device);

    g_window->setMouseButtonCallback(forwardMouseButton);
    g_window->setKeyCallback(forwardKey);
    g_window->setResizeCallback(forwardResize);

    g_scene = new Scene();
    g_scene->setDevice(device);
    g_scene->setQueue(queue);
    // The surface stays the window's too: the scene holds a reference of its own.
    wgpuSurfaceAddRef(swapChain);
    g_scene->setSwapChain(swapChain);
    g_scene->initUI(glfwWindow);
    g_scene->createPipelineAndBuffers();

    g_window->show();
    g_window->run(forwardFrame);
    g_window->destroy();
    return g_exitStatus;
}
