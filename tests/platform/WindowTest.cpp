#include "Window.h"
#include "NativeHandle.h"

#include "GlfwInterpose.h"
#include "X11Driver.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

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
    const unsigned long found = x11.findWindow("Tallowick", 2000);
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
    // The size reaches the loop through GLFW's framebuffer-size event; the
    // window's own handler is handed made-up sizes.
    GLFWwindow* glfwWindow = window.getGlfwWindow();
    const GLFWframebuffersizefun sizeEvent = glfwSetFramebufferSizeCallback(glfwWindow, nullptr);
    ASSERT_NE(sizeEvent, nullptr);
    glfwSetFramebufferSizeCallback(glfwWindow, sizeEvent);
    const std::pair<int, int> reported[] = {{0, 0}, {640, 0}, {0, 480}, {640, 480}};
    g_onFrame = [&] {
        const size_t pass = g_frameArguments.size();
        if (pass == 4) {
            glfwSetWindowShouldClose(glfwWindow, GLFW_TRUE);
            return;
        }
        sizeEvent(glfwWindow, reported[pass].first, reported[pass].second);
    };
    sizeEvent(glfwWindow, 0, 0);
    window.run(recordFrame);
    // The four passes saw 0x0, 640x0, 0x480 and 640x480 in turn.
    EXPECT_EQ(g_frameArguments.size(), 4u);
    ASSERT_EQ(g_resizes.size(), 1u);
    EXPECT_EQ(g_resizes[0], std::make_pair(640, 480));
    EXPECT_EQ(g_interpose.framebufferSizeQueries, 0) << "a pass asks the X server nothing";
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
