#include "Scene.h"

#include "StandardStreams.h"
#include "Surface.h"
#include "imgui_impl_glfw.h"
#include "imgui_impl_wgpu.h"

#include <cstdio>

namespace {
constexpr int kUiFramesInFlight = 3;

// The UI library's own font is drawn at 13 pixels.
constexpr float kDefaultFontPixels = 13.0f;

const ImVec2 kSurfaceSize(static_cast<float>(kSurfaceWidth), static_cast<float>(kSurfaceHeight));

// The window's size in the last UI frame; zero before the first.
ImVec2 g_uiWindowSize;

// The pixels of the surface per pixel of the UI's 1280 x 720 layout: 1 on the
// desktop, the device pixel ratio in the browser.
ImVec2 surfaceScale() {
    return ImVec2(static_cast<float>(g_surfaceConfiguration.width) / kSurfaceSize.x,
                  static_cast<float>(g_surfaceConfiguration.height) / kSurfaceSize.y);
}

// The surface's picture is stretched over the window whatever the window's
// size. So the UI is laid out on 1280 x 720, drawn at the surface's scale, and
// the pointer is carried over from window to layout coordinates.
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
    const ImVec2 scale = surfaceScale();
    io.DisplayFramebufferScale = scale.x > 0.0f && scale.y > 0.0f ? scale : ImVec2(1.0f, 1.0f);
}

// The scale the font atlas was last rasterised for.
float g_fontScale = 1.0f;

// The panel's text is rasterised at the surface's scale, not stretched from
// an atlas of 1280 x 720's: at twice the pixels, glyphs of twice the size,
// shown at the layout's size. Rebuilding the atlas drops the renderer's font
// texture, which its next frame makes anew.
void fitFontToSurface(ImGuiIO& io) {
    const float scale = surfaceScale().y;
    if (!(scale > 0.0f) || scale == g_fontScale) {
        return;
    }
    g_fontScale = scale;
    io.Fonts->Clear();
    ImFontConfig font;
    font.SizePixels = kDefaultFontPixels * scale;
    io.Fonts->AddFontDefault(&font);
    io.FontGlobalScale = 1.0f / scale;
    ImGui_ImplWGPU_InvalidateDeviceObjects();
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
    g_fontScale = 1.0f;
    ImGui::StyleColorsDark();
    ImGui_ImplGlfw_InitForOther(window, true);
    startUIRenderer();
}

// Started again on a new device, the renderer first lets go of the objects it
// made on the old one.
void Scene::startUIRenderer() {
    ImGui_ImplWGPU_Init(device, kUiFramesInFlight, g_swapChainFormat);
}

void Scene::drawUI() {
    if (!showUI) {
        return;
    }
    fitFontToSurface(ImGui::GetIO());
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
