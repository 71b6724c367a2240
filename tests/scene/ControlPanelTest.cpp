#include "SceneFixture.h"

#include "Device.h"
#include "imgui_impl_glfw.h"
#include "imgui_impl_wgpu.h"

#include <GLFW/glfw3.h>
#include <X11/keysym.h>
#include <imgui.h>

#include <chrono>
#include <sstream>
#include <string>
#include <thread>

namespace {
Scene* g_panelScene = nullptr;

void toScene(int key, ButtonAction action) {
    g_panelScene->onKey(key, action);
}
void toScene(MouseButton button, ButtonAction action, int x, int y) {
    g_panelScene->onMouseButton(button, action, x, y);
}

// Where the panel's widgets sit in surface coordinates at start-up.
constexpr int kSliderX = 100;
constexpr int kSliderY = 96;
constexpr int kVertex1RedX = 99;
constexpr int kVertex1RedY = 142;

// The scene with its control panel, driven through the real window as the
// program wires it.
class ControlPanel : public SceneOnWindow {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(bringUp(kBackendAny));
        g_panelScene = scene.get();
        window.setMouseButtonCallback(toScene);
        window.setKeyCallback(toScene);
        scene->setShowUI(true);
        scene->initUI(window.getGlfwWindow());
        scene->createPipelineAndBuffers();
        frames(5);
    }
    // Standard output holds the echo and nothing else: no device error. The
    // UI goes before the device it draws with.
    void TearDown() override {
        if (ImGui::GetCurrentContext() != nullptr) {
            ImGui_ImplWGPU_Shutdown();
            ImGui_ImplGlfw_Shutdown();
            ImGui::DestroyContext();
        }
        if (capturing) {
            echoed += ::testing::internal::GetCapturedStdout();
            std::istringstream lines(echoed);
            for (std::string line; std::getline(lines, line);) {
                EXPECT_TRUE(line.rfind("key:", 0) == 0 || line.rfind("button:", 0) == 0) << line;
            }
            ::testing::internal::CaptureStdout();
        }
        SceneOnWindow::TearDown();
        g_panelScene = nullptr;
    }

    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            glfwPollEvents();
            scene->render(0.0);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    void drag(int fromX, int toX, int y) {
        x11.movePointer(fromX, y);
        frames(3);
        x11.button(1, true);
        frames(3);
        for (int x = fromX; x != toX; x += (toX > fromX ? 20 : -20)) {
            x11.movePointer(x, y);
            frames(1);
        }
        x11.movePointer(toX, y);
        frames(3);
        x11.button(1, false);
        frames(3);
    }
    // Ctrl+click turns a slider or a colour field into a text field.
    void typeInto(int x, int y, const std::vector<unsigned long>& keys) {
        x11.movePointer(x, y);
        frames(3);
        x11.key(XK_Control_L, true);
        frames(2);
        x11.click(1);
        frames(3);
        x11.key(XK_Control_L, false);
        frames(2);
        for (unsigned long key : keys) {
            press(key);
        }
        press(XK_Return);
        frames(2);
    }
    // The UI reads the keyboard's state once a frame: a key must stay down
    // for a frame to be seen.
    void press(unsigned long keysym) {
        x11.key(keysym, true);
        frames(2);
        x11.key(keysym, false);
        frames(2);
    }
    std::string output() {
        echoed += ::testing::internal::GetCapturedStdout();
        ::testing::internal::CaptureStdout();
        return echoed;
    }

    X11Driver x11;
    std::string echoed;
};
} // namespace

TEST_F(ControlPanel, SliderDragStaysInRangeButATypedSpeedIsUsedUnclamped) {
    drag(kSliderX, kSliderX + 600, kSliderY);
    EXPECT_FLOAT_EQ(scene->getRotationSpeed(), 2.0f);
    EXPECT_EQ(scene->getDirection(), -1) << "the press on the panel reverses the turning too";

    typeInto(kSliderX, kSliderY, {XK_5});
    EXPECT_FLOAT_EQ(scene->getRotationSpeed(), 5.0f);
    typeInto(kSliderX, kSliderY, {XK_minus, XK_1, XK_period, XK_5});
    EXPECT_FLOAT_EQ(scene->getRotationSpeed(), -1.5f);
    EXPECT_EQ(scene->getDirection(), -1);

    const float before = scene->getRotationDegrees();
    frames(10);
    // Speed -1.5 in direction -1 turns counter-clockwise: +0.15 degrees a frame.
    EXPECT_NEAR(scene->getRotationDegrees() - before, 1.5f, 1e-3f);
}

TEST_F(ControlPanel, ColourEditsReachTheSceneAndKeepAlpha) {
    typeInto(kVertex1RedX, kVertex1RedY, {XK_0});
    const ImVec4& color = scene->getVertex1Color();
    EXPECT_FLOAT_EQ(color.x, 0.0f);
    EXPECT_FLOAT_EQ(color.w, 1.0f);
    expectShows(expectedPicture());
}

TEST_F(ControlPanel, EveryEventIsEchoedAndOnlyALeftPressReverses) {
    x11.movePointer(900, 300);
    frames(3);
    x11.click(3);
    x11.click(2);
    frames(3);
    EXPECT_EQ(scene->getDirection(), 1);
    x11.click(1);
    frames(3);
    EXPECT_EQ(scene->getDirection(), -1);
    x11.tap(XK_a);
    frames(3);
    x11.click(1);
    frames(3);
    EXPECT_EQ(scene->getDirection(), 1);
    EXPECT_EQ(output(), "button:1 action:1 x:900 y:300\n"
                        "button:1 action:0 x:900 y:300\n"
                        "button:2 action:1 x:900 y:300\n"
                        "button:2 action:0 x:900 y:300\n"
                        "button:0 action:1 x:900 y:300\n"
                        "button:0 action:0 x:900 y:300\n"
                        "key:65 action:1\n"
                        "key:65 action:0\n"
                        "button:0 action:1 x:900 y:300\n"
                        "button:0 action:0 x:900 y:300\n");
}

TEST_F(ControlPanel, HiddenPanelBeginsNoUiFrame) {
    const int before = ImGui::GetFrameCount();
    scene->setShowUI(false);
    frames(5);
    EXPECT_EQ(ImGui::GetFrameCount(), before);
    // The panel's place shows the clear colour.
    const X11Driver::Rgb shown = x11.pixel(kSliderX, kSliderY);
    EXPECT_NEAR(shown.r, 115, 2);
    EXPECT_NEAR(shown.g, 140, 2);
    EXPECT_NEAR(shown.b, 153, 2);
    scene->setShowUI(true);
    frames(1);
    EXPECT_EQ(ImGui::GetFrameCount(), before + 1);
}

TEST_F(ControlPanel, FollowsThePictureWhenTheWindowIsResized) {
    glfwSetWindowSize(window.getGlfwWindow(), 640, 360);
    frames(10);
    EXPECT_EQ(ImGui::GetIO().DisplaySize.x, 1280.0f);
    EXPECT_EQ(ImGui::GetIO().DisplaySize.y, 720.0f);
    // The picture is stretched over the half-size window: the slider now sits
    // at half its coordinates.
    typeInto(kSliderX / 2, kSliderY / 2, {XK_1});
    EXPECT_FLOAT_EQ(scene->getRotationSpeed(), 1.0f);

    glfwSetWindowSize(window.getGlfwWindow(), 1600, 900);
    frames(10);
}
