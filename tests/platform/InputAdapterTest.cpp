#include "Input.h"
#include "NativeHandle.h"
#include "Window.h"

#include "X11Driver.h"

#include <GLFW/glfw3.h>
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

TEST(InputAdapters, TranslateGlfwActions) {
    EXPECT_EQ(toButtonAction(GLFW_RELEASE), ButtonAction::Release);
    EXPECT_EQ(toButtonAction(GLFW_PRESS), ButtonAction::Press);
    EXPECT_EQ(toButtonAction(GLFW_REPEAT), ButtonAction::Repeat);
    EXPECT_EQ(toButtonAction(3), ButtonAction::Other);
    EXPECT_EQ(toButtonAction(-1), ButtonAction::Other);
    EXPECT_EQ(static_cast<int>(ButtonAction::Other), -1);
}

TEST(InputAdapters, TranslateGlfwMouseButtons) {
    EXPECT_EQ(toMouseButton(GLFW_MOUSE_BUTTON_LEFT), MouseButton::Left);
    EXPECT_EQ(toMouseButton(GLFW_MOUSE_BUTTON_RIGHT), MouseButton::Right);
    EXPECT_EQ(toMouseButton(GLFW_MOUSE_BUTTON_MIDDLE), MouseButton::Middle);
    for (int button = GLFW_MOUSE_BUTTON_4; button <= GLFW_MOUSE_BUTTON_8; ++button) {
        EXPECT_EQ(toMouseButton(button), MouseButton::Other) << button;
    }
    EXPECT_EQ(static_cast<int>(MouseButton::Right), 1);
    EXPECT_EQ(static_cast<int>(MouseButton::Middle), 2);
}

namespace {
struct KeyEvent {
    int key;
    ButtonAction action;
};
struct ButtonEvent {
    MouseButton button;
    ButtonAction action;
    int x;
    int y;
};
std::vector<KeyEvent> g_keys;
std::vector<ButtonEvent> g_buttons;

void recordKey(int key, ButtonAction action) {
    g_keys.push_back({key, action});
}
void recordButton(MouseButton button, ButtonAction action, int x, int y) {
    g_buttons.push_back({button, action, x, y});
}

class InputThroughWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        g_keys.clear();
        g_buttons.clear();
        ASSERT_NE(window.create(), nullptr);
        window.setKeyCallback(recordKey);
        window.setMouseButtonCallback(recordButton);
        window.show();
        pollFor(200);
    }
    void TearDown() override {
        window.destroy();
        glfwTerminate();
    }
    template <typename Done> bool pollUntil(Done done, int timeoutMs = 3000) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            glfwWaitEventsTimeout(0.01);
        }
        return true;
    }
    void pollFor(int ms) {
        pollUntil([] { return false; }, ms);
    }

    Window window;
    X11Driver x11;
};
} // namespace

TEST_F(InputThroughWindow, KeyEventsReachTheStoredCallbackWithGlfwKeyCodes) {
    x11.key(XK_a, true);
    ASSERT_TRUE(pollUntil([] { return g_keys.size() == 1; }));
    x11.key(XK_a, false);
    x11.tap(XK_Escape);
    ASSERT_TRUE(pollUntil([] { return g_keys.size() == 4; }));
    EXPECT_EQ(g_keys[0].key, GLFW_KEY_A);
    EXPECT_EQ(g_keys[0].action, ButtonAction::Press);
    EXPECT_EQ(g_keys[1].key, GLFW_KEY_A);
    EXPECT_EQ(g_keys[1].action, ButtonAction::Release);
    EXPECT_EQ(g_keys[2].key, GLFW_KEY_ESCAPE);
    EXPECT_EQ(g_keys[3].action, ButtonAction::Release);
}

TEST_F(InputThroughWindow, MouseButtonsCarryTheTruncatedCursorPosition) {
    int windowX = 0;
    int windowY = 0;
    x11.windowPosition(nativeWindowOf(window.getGlfwWindow()).window, windowX, windowY);
    x11.movePointer(windowX + 10, windowY + 20);
    pollFor(100);
    x11.click(1);
    x11.click(3);
    x11.click(2);
    x11.click(8); // GLFW's fourth mouse button
    ASSERT_TRUE(pollUntil([] { return g_buttons.size() == 8; }));
    const MouseButton expected[] = {MouseButton::Left, MouseButton::Right, MouseButton::Middle,
                                    MouseButton::Other};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(g_buttons[2 * i].button, expected[i]) << i;
        EXPECT_EQ(g_buttons[2 * i].action, ButtonAction::Press) << i;
        EXPECT_EQ(g_buttons[2 * i + 1].action, ButtonAction::Release) << i;
        EXPECT_EQ(g_buttons[2 * i].x, 10);
        EXPECT_EQ(g_buttons[2 * i].y, 20);
    }
}

TEST_F(InputThroughWindow, PositionsOutsideTheWindowPassUnclamped) {
    // Only meaningful when the window does not sit at the screen's origin;
    // otherwise a press inside and a release after leaving the window.
    int windowX = 0;
    int windowY = 0;
    x11.windowPosition(nativeWindowOf(window.getGlfwWindow()).window, windowX, windowY);
    glfwSetWindowPos(window.getGlfwWindow(), 100, 100);
    pollFor(200);
    x11.windowPosition(nativeWindowOf(window.getGlfwWindow()).window, windowX, windowY);
    x11.movePointer(windowX + 5, windowY + 5);
    pollFor(50);
    x11.button(1, true);
    pollFor(50);
    x11.movePointer(windowX - 30, windowY - 40); // drag out of the window
    pollFor(50);
    x11.button(1, false);
    ASSERT_TRUE(pollUntil([] { return g_buttons.size() == 2; }));
    EXPECT_EQ(g_buttons[1].action, ButtonAction::Release);
    EXPECT_EQ(g_buttons[1].x, -30);
    EXPECT_EQ(g_buttons[1].y, -40);
}
