#include "Scene.h"

#include "StandardStreams.h"
#include "Surface.h"
#include "imgui_impl_glfw.h"
#include "imgui_impl_wgpu.h"

#include <cstdio>

namespace {
constexpr int kUiFramesInFlight = 3;

const ImVec2 kSurfaceSize(static_cast<float>(kSurfaceWidth), static_cast<float>(kSurfaceHeight));

// The window's size in the last UI frame; zero before the first.
ImVec2 g_uiWindowSize;

// The surface keeps its size whatever the window's, and its picture is
// stretched over the window. So the UI is laid out on the surface, and the
// pointer is carried over from window to surface coordinates.
void mapUiOntoSurface(ImGuiIO& io) {
    const ImVec2 window = io.DisplaySize;
    if (window.x <= 0.0f || window.y <= 0.0f) {
        return;
    }
    g_uiWindowSize = window;
    if (ImGui::IsMousePosValid(&io.MousePos)) {
        io.MousePos.x *= kSurfaceSize.x / window.x;
        io.MousePos.y *= kSurfaceSize.y / window.y;
    }
    io.DisplaySize = kSurfaceSize;
    io.DisplayFramebufferScale = ImVec2(1.0f, 1.0f);
}

// A position the UI wants the pointer moved to is on the surface; the platform
// binding moves the pointer in window coordinates.
void mapWantedPointerOntoWindow(ImGuiIO& io) {
    if (!io.WantSetMousePos || g_uiWindowSize.x <= 0.0f || g_uiWindowSize.y <= 0.0f) {
        return;
    }
    io.MousePos.x *= g_uiWindowSize.x / kSurfaceSize.x;
    io.MousePos.y *= g_uiWindowSize.y / kSurfaceSize.y;
}
} // namespace

void Scene::initUI(GLFWwindow* window) {
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr;
    ImGui::StyleColorsDark();
    ImGui_ImplGlfw_InitForOther(window, true);
    ImGui_ImplWGPU_Init(device, kUiFramesInFlight, g_swapChainFormat);
}

void Scene::drawUI() {
    if (!showUI) {
        return;
    }
    ImGui_ImplWGPU_NewFrame();
    mapWantedPointerOntoWindow(ImGui::GetIO());
    ImGui_ImplGlfw_NewFrame();
    mapUiOntoSurface(ImGui::GetIO());
    ImGui::NewFrame();

    ImGui::Begin("Tallowick");
    ImGui::SliderFloat("Rotation speed", &rotationSpeed, 0.0f, 2.0f, "%.3f");
    ImGui::ColorEdit3("Clear color", &clearColor.x);
    ImGui::ColorEdit3("Vertex 1", &vertex1Color.x);
    ImGui::ColorEdit3("Vertex 2", &vertex2Color.x);
    ImGui::ColorEdit3("Vertex 3", &vertex3Color.x);
    const float framerate = ImGui::GetIO().Framerate;
    ImGui::Text("Application average %.3f ms/frame (%.1f FPS)",
                static_cast<double>(1000.0f / framerate), static_cast<double>(framerate));
    ImGui::End();

    ImGui::Render();
}

void Scene::onKey(int key, ButtonAction action) {
    std::printf("key:%d action:%d\n", key, static_cast<int>(action));
    flushEchoLine();
}

void Scene::onMouseButton(MouseButton button, ButtonAction action, int x, int y) {
    if (button == MouseButton::Left && action == ButtonAction::Press) {
        direction = -direction;
    }
    std::printf("button:%d action:%d x:%d y:%d\n", static_cast<int>(button),
                static_cast<int>(action), x, y);
    flushEchoLine();
}

void Scene::onResize(int /*width*/, int /*height*/) {}
