#include "Window.h"
#include "NativeHandle.h"

#include "GlfwInterpose.h"
#include "X11Driver.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

namespace {
std::vector<std::pair<int, int>> g_resizes;
std::vector<double> g_frameArguments;
std::vector<MouseButton> g_buttons;
std::vector<std::pair<int, int>> g_positions;
std::function<void()> g_onFrame;

void recordResize(int width, int height) {
    g_resizes.emplace_back(width, height);
}
void recordFrame(double time) {
    g_frameArguments.push_back(time);
    if (g_onFrame) {
        g_onFrame();
    }
}
void recordButton(MouseButton button, ButtonAction, int x, int y) {
    g_buttons.push_back(button);
    g_positions.emplace_back(x, y);
}

class EventLoop : public ::testing::Test {
  protected:
    void SetUp() override {
        g_interpose = GlfwInterpose{};
        g_resizes.clear();
        g_frameArguments.clear();
        g_buttons.clear();
        g_positions.clear();
        g_onFrame = nullptr;
        ASSERT_NE(window.create(), nullptr);
        // The application's callbacks are the process's, not the window's.
        window.setResizeCallback(nullptr);
        window.setMouseButtonCallback(nullptr);
        window.show();
    }
    void TearDown() override {
        window.destroy();
        glfwTerminate();
    }
    void closeAfterFrames(size_t frames) {
        g_onFrame = [this, frames] {
            if (g_frameArguments.size() == frames) {
                glfwSetWindowShouldClose(window.getGlfwWindow(), GLFW_TRUE);
            }
        };
    }

    Window window;
};
} // namespace

TEST_F(EventLoop, CreatesTheTitledWindowAtItsFixedSize) {
    X11Driver x11;
    const unsigned long found = x11.findWindow("Tallowick", 20000, getpid());
    ASSERT_EQ(found, nativeWindowOf(window.getGlfwWindow()).window);
    int width = 0;
    int height = 0;
    x11.windowSize(found, width, height);
    EXPECT_EQ(width, 1280);
    EXPECT_EQ(height, 720);
    EXPECT_EQ(glfwGetWindowAttrib(window.getGlfwWindow(), GLFW_CLIENT_API), GLFW_NO_API);
}

TEST_F(EventLoop, ResizeCallbackRunsOnEveryPassWithTheUnchangedSize) {
    window.setResizeCallback(recordResize);
    closeAfterFrames(5);
    window.run(recordFrame);
    ASSERT_EQ(g_frameArguments.size(), 5u);
    ASSERT_EQ(g_resizes.size(), 5u);
    for (const auto& size : g_resizes) {
        EXPECT_EQ(size, std::make_pair(1280, 720));
    }
    for (double argument : g_frameArguments) {
        EXPECT_EQ(argument, 0.0);
    }
}

TEST_F(EventLoop, ResizeNeedsBothDimensionsToDifferFromZero) {
    window.setResizeCallback(recordResize);
    // Each pass asks GLFW for the framebuffer size, which answers made-up sizes.
    const std::pair<int, int> reported[] = {{0, 0}, {640, 0}, {0, 480}, {640, 480}};
    g_interpose.fakeFramebufferSize = true;
    g_onFrame = [&] {
        const size_t pass = g_frameArguments.size();
        if (pass == 4) {
            glfwSetWindowShouldClose(window.getGlfwWindow(), GLFW_TRUE);
            return;
        }
        g_interpose.fakeWidth = reported[pass].first;
        g_interpose.fakeHeight = reported[pass].second;
    };
    g_interpose.fakeWidth = 0;
    g_interpose.fakeHeight = 0;
    window.run(recordFrame);
    // The four passes saw 0x0, 640x0, 0x480 and 640x480 in turn.
    EXPECT_EQ(g_frameArguments.size(), 4u);
    EXPECT_EQ(g_interpose.framebufferSizeQueries, 4);
    ASSERT_EQ(g_resizes.size(), 1u);
    EXPECT_EQ(g_resizes[0], std::make_pair(640, 480));
}

TEST_F(EventLoop, ARealResizeReachesTheResizeCallback) {
    window.setResizeCallback(recordResize);
    const auto start = std::chrono::steady_clock::now();
    g_onFrame = [this, start] {
        if (g_frameArguments.size() == 1) {
            glfwSetWindowSize(window.getGlfwWindow(), 800, 600);
        }
        if (!g_resizes.empty() && g_resizes.back() == std::make_pair(800, 600)) {
            glfwSetWindowShouldClose(window.getGlfwWindow(), GLFW_TRUE);
        } else if (std::chrono::steady_clock::now() - start > std::chrono::seconds(10)) {
            ADD_FAILURE() << "no resize event";
            glfwSetWindowShouldClose(window.getGlfwWindow(), GLFW_TRUE);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    window.run(recordFrame);
    ASSERT_FALSE(g_resizes.empty());
    EXPECT_EQ(g_resizes.front(), std::make_pair(1280, 720));
    EXPECT_EQ(g_resizes.back(), std::make_pair(800, 600));
}

TEST_F(EventLoop, WithoutResizeCallbackTheLoopRunsThroughResizes) {
    window.setResizeCallback(nullptr);
    g_onFrame = [this] {
        if (g_frameArguments.size() == 1) {
            glfwSetWindowSize(window.getGlfwWindow(), 640, 400);
        } else if (g_frameArguments.size() == 20) {
            glfwSetWindowShouldClose(window.getGlfwWindow(), GLFW_TRUE);
        }
    };
    window.run(recordFrame);
    EXPECT_EQ(g_frameArguments.size(), 20u);
    EXPECT_TRUE(g_resizes.empty());
}

TEST_F(EventLoop, CloseRequestEndsTheLoopAfterThePassThatSawIt) {
    X11Driver x11;
    const unsigned long native = nativeWindowOf(window.getGlfwWindow()).window;
    int framesAfterClose = 0;
    g_onFrame = [&] {
        if (glfwWindowShouldClose(window.getGlfwWindow())) {
            ++framesAfterClose;
        } else if (g_frameArguments.size() == 2) {
            x11.requestClose(native);
            x11.sync();
        }
    };
    window.run(recordFrame);
    EXPECT_EQ(framesAfterClose, 1);
}

TEST_F(EventLoop, MouseAdapterTruncatesTowardZero) {
    window.setMouseButtonCallback(recordButton);
    g_interpose.fakeCursor = true;
    g_interpose.fakeX = 10.9;
    g_interpose.fakeY = 20.5;
    onGlfwMouseButton(window.getGlfwWindow(), GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS, 0);
    g_interpose.fakeX = -0.5;
    g_interpose.fakeY = -7.9;
    onGlfwMouseButton(window.getGlfwWindow(), GLFW_MOUSE_BUTTON_4, GLFW_PRESS, 0);
    ASSERT_EQ(g_positions.size(), 2u);
    EXPECT_EQ(g_positions[0], std::make_pair(10, 20));
    EXPECT_EQ(g_positions[1], std::make_pair(0, -7));
    EXPECT_EQ(g_buttons[1], MouseButton::Other);
}

TEST_F(EventLoop, AdaptersWithoutCallbackQueryNothing) {
    window.setMouseButtonCallback(nullptr);
    onGlfwMouseButton(window.getGlfwWindow(), GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS, 0);
    EXPECT_EQ(g_interpose.cursorQueries, 0);
    EXPECT_TRUE(g_buttons.empty());
}

namespace {
int g_appMoves = 0;
int g_appWindowMoves = 0;
} // namespace

TEST_F(EventLoop, ThePointerFollowingCallbacksCallTheOnesBeforeThem) {
    GLFWwindow* glfwWindow = window.getGlfwWindow();
    g_appMoves = g_appWindowMoves = 0;
    glfwSetCursorPosCallback(glfwWindow, [](GLFWwindow*, double, double) { ++g_appMoves; });
    glfwSetWindowPosCallback(glfwWindow, [](GLFWwindow*, int, int) { ++g_appWindowMoves; });
    window.setMouseButtonCallback(recordButton);
    window.setMouseButtonCallback(recordButton); // a second time keeps one chain
    X11Driver x11;
    int left = 0;
    int top = 0;
    glfwGetWindowPos(glfwWindow, &left, &top);
    x11.movePointer(left + 50, top + 60);
    x11.movePointer(left + 70, top + 80);
    glfwSetWindowPos(glfwWindow, left + 10, top + 10);
    x11.sync();
    for (int pass = 0; pass < 20 && (g_appMoves < 2 || g_appWindowMoves < 1); ++pass) {
        glfwWaitEventsTimeout(0.05);
    }
    EXPECT_GE(g_appMoves, 2);
    EXPECT_EQ(g_appWindowMoves, 1);
}

TEST_F(EventLoop, AWindowThatAnotherClientDestroysEndsTheLoop) {
    window.setResizeCallback(recordResize);
    X11Driver x11;
    const unsigned long native = nativeWindowOf(window.getGlfwWindow()).window;
    g_onFrame = [&] {
        if (g_frameArguments.size() == 2) {
            x11.destroyWindow(native);
        } else if (g_frameArguments.size() == 100) {
            ADD_FAILURE() << "the loop ran on";
            glfwSetWindowShouldClose(window.getGlfwWindow(), GLFW_TRUE);
        }
    };
    window.run(recordFrame);
    EXPECT_LE(g_frameArguments.size(), 3u);
}

TEST(WindowTeardown, ErrorsReadWhileAGoneWindowIsDestroyedDoNotEndTheProcess) {
    Window window;
    ASSERT_NE(window.create(), nullptr);
    window.show();
    glfwPollEvents();
    X11Driver x11;
    x11.destroyWindow(nativeWindowOf(window.getGlfwWindow()).window);
    g_interpose.syncWhileDestroyingWindows = true;
    window.destroy();
    g_interpose.syncWhileDestroyingWindows = false;
    glfwTerminate();
    SUCCEED();
}

TEST(WindowTeardown, LateRequestsAboutTheDestroyedWindowDoNotEndTheProcess) {
    Window window;
    ASSERT_NE(window.create(), nullptr);
    window.show();
    glfwPollEvents();
    const NativeWindow native = nativeWindowOf(window.getGlfwWindow());
    window.destroy();
    // What a driver presenting the last frame late would do: draw into the
    // window that is gone. Xlib's default handler would end the process.
    X11Driver::clearWindowOn(native.display, native.window);
    glfwPollEvents();
    glfwTerminate();
    SUCCEED();
}
