// Found by the input storm: a mouse button's echo carried the pointer's
// position at the time the program handled the event, after any later moves,
// not where the button went down or up.

#include "ButtonEvents.h"
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
    MouseButton button;
    ButtonAction action;
    int x;
    int y;
};
std::vector<Press> g_presses;

void record(MouseButton button, ButtonAction action, int x, int y) {
    g_presses.push_back({button, action, x, y});
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
    x11.click(6); // the horizontal wheel: no button of GLFW's
    x11.click(7);
    x11.movePointer(left + 300, top + 400);
    x11.button(1, false);
    x11.movePointer(left + 500, top + 600);
    // Released at the window's top-left pixel, where GLFW reports no motion.
    x11.button(1, true);
    x11.movePointer(left, top);
    x11.button(1, false);
    x11.click(8); // the side buttons
    x11.click(9);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (g_presses.size() < 8 && std::chrono::steady_clock::now() < deadline) {
        glfwWaitEventsTimeout(0.05);
    }

    ASSERT_EQ(g_presses.size(), 8u);
    for (size_t i = 3; i < 8; ++i) {
        EXPECT_TRUE(g_presses[i].x == 0 && g_presses[i].y == 0) << i;
    }
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
    // A report with no X event behind it follows the pointer and the window.
    onGlfwMouseButton(w, GLFW_MOUSE_BUTTON_RIGHT, GLFW_PRESS, 0);
    ASSERT_EQ(g_presses.size(), 3u);
    EXPECT_EQ(g_presses[0].x, 200);
    EXPECT_EQ(g_presses[0].y, 220);
    EXPECT_EQ(g_presses[2].x, 200);
    EXPECT_EQ(g_presses[2].y, 220);
    window.destroy();
    glfwTerminate();
}

// GLFW makes up a release for each held button when the window loses the
// focus, X buttons 0 and 13 are none of GLFW's (3.4 stops on them), and events
// beyond those kept go without a position: none of it may cost the events
// around it theirs.
TEST(ButtonPosition, StaysInLineWithWhatGlfwReports) {
    Window window;
    ASSERT_NE(window.create(), nullptr);
    window.setMouseButtonCallback(record);
    const NativeWindow native = nativeWindowOf(window.getGlfwWindow());
    using Queued = X11Driver::QueuedEvent;
    const auto deliver = [&](const std::vector<Queued>& events) {
        glfwPollEvents(); // what the server sent before goes first
        onGlfwCursorPos(window.getGlfwWindow(), -7.0, -9.0); // where no position lines up
        g_presses.clear();
        X11Driver::queueAsFromServer(native.display, native.window, events);
        glfwPollEvents();
    };
    // The made-up release comes while the real one still waits in the queue.
    deliver({{Queued::ButtonDown, 1, 100, 100},
             {Queued::FocusLost, 0, 0, 0},
             {Queued::ButtonDown, 3, 0, 0},
             {Queued::ButtonUp, 3, 0, 0},
             {Queued::ButtonUp, 1, 70, 80}});
    ASSERT_EQ(g_presses.size(), 5u);
    EXPECT_EQ(g_presses[0].x, 100);
    EXPECT_TRUE(g_presses[1].action == ButtonAction::Release && g_presses[1].x == -7 &&
                g_presses[1].y == -9);
    for (size_t i = 2; i < 4; ++i) {
        EXPECT_TRUE(g_presses[i].x == 0 && g_presses[i].y == 0) << i;
    }
    EXPECT_TRUE(g_presses[4].x == 70 && g_presses[4].y == 80);
    deliver({{Queued::ButtonDown, 0, 200, 200},
             {Queued::ButtonUp, 0, 200, 200},
             {Queued::ButtonDown, 13, 200, 200}, // past GLFW's last button
             {Queued::ButtonDown, 6, 200, 200},  // the horizontal wheel
             {Queued::ButtonUp, 7, 200, 200},
             {Queued::ButtonDown, 12, 30, 40}, // GLFW's last button
             {Queued::ButtonDown, 1, 50, 60},
             {Queued::ButtonUp, 1, 92, 93}});
    ASSERT_EQ(g_presses.size(), 3u);
    EXPECT_TRUE(g_presses[0].button == MouseButton::Other && g_presses[0].x == 30 &&
                g_presses[0].y == 40);
    EXPECT_TRUE(g_presses[1].x == 50 && g_presses[2].y == 93);
    std::vector<Queued> beyondWhatIsKept;
    for (int i = 0; i <= static_cast<int>(kButtonPositionsKept); ++i) {
        beyondWhatIsKept.push_back({Queued::Type(i % 2), 1, i % 1000, 1}); // down, up, ...
    }
    deliver(beyondWhatIsKept);
    ASSERT_EQ(g_presses.size(), kButtonPositionsKept + 1);
    const size_t lastKept = kButtonPositionsKept - 1;
    EXPECT_EQ(g_presses[lastKept].x, int(lastKept % 1000));
    EXPECT_EQ(g_presses.back().x, -7);
    deliver({{Queued::ButtonUp, 1, 5, 6}});
    EXPECT_EQ(g_presses.at(0).x, 5);
    // A second window on the same connection, then this one's callback set
    // again: a click is reported once, with its position.
    Window second;
    ASSERT_NE(second.create(), nullptr);
    second.setMouseButtonCallback(record);
    window.setMouseButtonCallback(record);
    deliver({{Queued::ButtonDown, 1, 21, 22}});
    ASSERT_EQ(g_presses.size(), 1u);
    EXPECT_TRUE(g_presses[0].x == 21 && g_presses[0].y == 22);
    second.destroy();
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
