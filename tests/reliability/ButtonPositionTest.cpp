// Found by the input storm: a mouse button's echo carried the pointer's
// position at the time the program handled the event, after any later moves,
// not where the button went down or up.

#include "Input.h"
#include "NativeHandle.h"
#include "Window.h"

#include "X11Driver.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <vector>

namespace {
struct Press {
    ButtonAction action;
    int x;
    int y;
};
std::vector<Press> g_presses;

void record(MouseButton, ButtonAction action, int x, int y) {
    g_presses.push_back({action, x, y});
}

TEST(ButtonPosition, IsWhereThePointerWasWhenTheButtonWent) {
    g_presses.clear();
    Window window;
    ASSERT_NE(window.create(), nullptr);
    window.setMouseButtonCallback(record);
    window.show();
    X11Driver x11;
    int left = 0;
    int top = 0;
    x11.windowPosition(nativeWindowOf(window.getGlfwWindow()).window, left, top);
    x11.movePointer(left + 640, top + 360);
    for (int i = 0; i < 10; ++i) {
        glfwWaitEventsTimeout(0.02);
    }

    // All of it is waiting for the program when it next looks.
    x11.movePointer(left + 100, top + 200);
    x11.button(1, true);
    x11.movePointer(left + 300, top + 400);
    x11.button(1, false);
    x11.movePointer(left + 500, top + 600);
    // Released at the window's top-left pixel, where GLFW reports no motion.
    x11.button(1, true);
    x11.movePointer(left, top);
    x11.button(1, false);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (g_presses.size() < 4 && std::chrono::steady_clock::now() < deadline) {
        glfwWaitEventsTimeout(0.05);
    }

    ASSERT_EQ(g_presses.size(), 4u);
    EXPECT_EQ(g_presses[3].x, 0);
    EXPECT_EQ(g_presses[3].y, 0);
    EXPECT_EQ(g_presses[0].action, ButtonAction::Press);
    EXPECT_EQ(g_presses[0].x, 100);
    EXPECT_EQ(g_presses[0].y, 200);
    EXPECT_EQ(g_presses[1].action, ButtonAction::Release);
    EXPECT_EQ(g_presses[1].x, 300);
    EXPECT_EQ(g_presses[1].y, 400);
    window.destroy();
    glfwTerminate();
}
} // namespace

namespace {
TEST(ButtonPosition, FollowsTheWindowMovingUnderAStillPointer) {
    g_presses.clear();
    Window window;
    ASSERT_NE(window.create(), nullptr);
    window.setMouseButtonCallback(record);
    window.show();
    GLFWwindow* w = window.getGlfwWindow();
    X11Driver x11;
    int left = 0;
    int top = 0;
    glfwGetWindowPos(w, &left, &top);
    x11.movePointer(left + 300, top + 300);
    for (int i = 0; i < 10; ++i) {
        glfwWaitEventsTimeout(0.02);
    }
    glfwSetWindowPos(w, left + 100, top + 80);
    for (int i = 0; i < 10; ++i) {
        glfwWaitEventsTimeout(0.02);
    }
    x11.click(1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (g_presses.size() < 2 && std::chrono::steady_clock::now() < deadline) {
        glfwWaitEventsTimeout(0.05);
    }
    double x = 0.0;
    double y = 0.0;
    glfwGetCursorPos(w, &x, &y);
    EXPECT_EQ(x, 200.0);
    EXPECT_EQ(y, 220.0);
    ASSERT_EQ(g_presses.size(), 2u);
    EXPECT_EQ(g_presses[0].x, 200);
    EXPECT_EQ(g_presses[0].y, 220);
    window.destroy();
    glfwTerminate();
}

// Found by the fuzz target for GLFW's events: a position beyond an int's range
// (GLFW's positions are doubles without bounds) was converted to an int
// regardless, which is undefined.
TEST(ButtonPosition, FarOffPositionsAreHeldToTheRangeOfAnInt) {
    g_presses.clear();
    Window window;
    ASSERT_NE(window.create(), nullptr);
    window.setMouseButtonCallback(record);
    GLFWwindow* w = window.getGlfwWindow();
    const double far = 1.03834e+222;
    const double positions[][2] = {{far, -far},
                                   {2147483647.5, -2147483648.5},
                                   {10.9, -0.5},
                                   {std::nan(""), -7.9},
                                   {-2147483648.0, 0.0}};
    for (const auto& position : positions) {
        onGlfwCursorPos(w, position[0], position[1]);
        onGlfwMouseButton(w, GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS, 0);
    }
    ASSERT_EQ(g_presses.size(), 5u);
    const int expected[][2] = {
        {INT_MAX, INT_MIN}, {INT_MAX, INT_MIN}, {10, 0}, {0, -7}, {INT_MIN, 0}};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(g_presses[i].x, expected[i][0]) << i;
        EXPECT_EQ(g_presses[i].y, expected[i][1]) << i;
    }
    window.destroy();
    glfwTerminate();
}
} // namespace
