#pragma once

#include "Scene.h"
#include "Window.h"

#include "X11Driver.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// Reaches the state that, in the running program, only the control panel and
// the mouse change.
struct SceneTestAccess {
    static void setRotationSpeed(Scene& scene, float speed) { scene.rotationSpeed = speed; }
    static void setDirection(Scene& scene, int direction) { scene.direction = direction; }
    static void setRotationDegrees(Scene& scene, float degrees) { scene.rotationDegrees = degrees; }
    static ImVec4& clearColor(Scene& scene) { return scene.clearColor; }
    // For a scene that was lent the device and must not release it.
    static void forgetDevice(Scene& scene) { scene.device = nullptr; }
    static ImVec4& vertexColor(Scene& scene, int index) {
        return index == 0   ? scene.vertex1Color
               : index == 1 ? scene.vertex2Color
                            : scene.vertex3Color;
    }
};

// What the window should show: the triangle turned by the angle, with its
// vertex colours, over the clear colour.
struct Picture {
    double angleDegrees = 0.0;
    ImVec4 colors[3];
    ImVec4 clear;
};

// The scene brought up on a real window, device and surface, ready to render.
class SceneOnWindow : public ::testing::Test {
  protected:
    void bringUp(int backend);
    void TearDown() override;

    void renderFrames(int count);
    // The picture the scene's current state should give.
    Picture expectedPicture() const;
    // Waits for the screen to show the picture, then checks a set of points
    // across it: the corners, points near each vertex, points inside, and
    // points where a wrongly turned triangle would be.
    void expectShows(const Picture& picture);

    // Runs the scene's operations inside a validation error scope and
    // returns what the library reported, empty when nothing.
    std::string validationErrorsOf(const std::function<void()>& work);

    Window window;
    void* native = nullptr;
    bool capturing = false; // standard output, for the device's error lines
    WGPUDevice device = nullptr;
    WGPUSurface surface = nullptr;
    std::unique_ptr<Scene> scene;
};

// The scene with its GPU resources on the primary back end (Vulkan; lavapipe
// where there is no GPU), whose pictures reach the screen.
class SceneOnScreen : public SceneOnWindow {
  protected:
    void SetUp() override;
};

// The scene with its GPU resources on the null back end, which validates
// everything and executes nothing.
class SceneOnNullDevice : public SceneOnWindow {
  protected:
    void SetUp() override;
};

// Recorded by the test program's stand-in for the library's render pass
// creation, which passes every call on: as it came, or, while rejectPasses is
// set, with a clear value the device rejects.
struct FrameRecord {
    bool recording = false;
    bool rejectPasses = false;
    int renderPasses = 0;
    WGPUColor clearValue{};
};
extern FrameRecord g_frameRecord;
