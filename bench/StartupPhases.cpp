#include "StartupPhases.h"

#include "Device.h"
#include "Scene.h"
#include "Surface.h"
#include "Window.h"
#include "imgui_impl_glfw.h"
#include "imgui_impl_wgpu.h"

#include <imgui.h>

#include <chrono>
#include <cstdio>

namespace {
Scene* g_scene = nullptr;

void forwardKey(int key, ButtonAction action) {
    g_scene->onKey(key, action);
}
void forwardMouseButton(MouseButton button, ButtonAction action, int x, int y) {
    g_scene->onMouseButton(button, action, x, y);
}
void forwardFrame(double time) {
    g_scene->render(time);
}
void forwardResize(int width, int height) {
    g_scene->onResize(width, height);
}

// Window::createDevice's path when all goes well, in its steps.
WGPUDevice createDeviceInPhases(void* nativeWindow) {
    gpuInstance();
    markStartupPhase("WebGPU instance");
    WGPUAdapter adapter = selectAdapter(resolveBackendRequest(kBackendAny), 0);
    if (adapter == nullptr) {
        return nullptr;
    }
    g_backendType = adapterBackend(adapter);
    markStartupPhase("adapter");
    WGPUDevice device = createDeviceWithErrorPrinter(adapter);
    markStartupPhase("device");
    if (device != nullptr &&
        !createNativeSwapChainImpl(g_backendType, adapter, device, nativeWindow)) {
        wgpuDeviceRelease(device);
        device = nullptr;
    }
    wgpuAdapterRelease(adapter);
    markStartupPhase("surface: own X connection (XSync, XOpenDisplay), capabilities");
    return device;
}

// Scene::initUI's steps.
void initUIInPhases(GLFWwindow* window, WGPUDevice device) {
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr;
    ImGui::StyleColorsDark();
    markStartupPhase("UI context and style");
    ImGui_ImplGlfw_InitForOther(window, true);
    markStartupPhase("UI platform binding (callbacks, 9 cursors)");
    ImGui_ImplWGPU_Init(device, 3, g_swapChainFormat);
    markStartupPhase("UI renderer binding");
}
} // namespace

void markStartupPhase(const char* phase) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf(
        "%lld %s\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
        phase);
    std::fflush(stdout);
}

int runProgramStartupPhases() {
    markStartupPhase("process start to main (loading, linking)");
    Window window;
    void* native = window.create();
    if (native == nullptr) {
        return 1;
    }
    markStartupPhase("GLFW and its window");
    WGPUDevice device = createDeviceInPhases(native);
    if (device == nullptr) {
        return 1;
    }
    WGPUSurface surface = window.createSwapChain(device);
    markStartupPhase("surface configured");

    window.setMouseButtonCallback(forwardMouseButton);
    window.setKeyCallback(forwardKey);
    window.setResizeCallback(forwardResize);
    g_scene = new Scene();
    g_scene->setDevice(device);
    g_scene->setQueue(wgpuDeviceGetQueue(device));
    wgpuSurfaceAddRef(surface);
    g_scene->setSwapChain(surface);
    markStartupPhase("queue, input callbacks, scene");
    initUIInPhases(window.getGlfwWindow(), device);
    g_scene->createPipelineAndBuffers();
    markStartupPhase("scene pipeline and buffers");
    window.show();
    markStartupPhase("window shown");

    // The first frame's UI work, done ahead of it in the order it would do it.
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    ImGui::GetIO().Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    markStartupPhase("first frame: font atlas built");
    ImGui_ImplWGPU_CreateDeviceObjects();
    markStartupPhase("first frame: UI pipeline, atlas upload");
    g_scene->render(0.0);
    markStartupPhase("first frame: panel, recording, presentation");
    window.run(forwardFrame);
    return 0;
}
