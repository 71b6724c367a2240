#include "Window.h"

#include "CallbackSlots.h"
#include "NativeHandle.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdio>

namespace {
NativeWindow g_nativeWindow;

// The framebuffer's size as GLFW's events last reported it. The event loop
// reads it every pass: asking GLFW would be a round trip to the X server,
// which waits behind the pixels of every frame presented before it.
int g_framebufferWidth = 0;
int g_framebufferHeight = 0;

void onFramebufferSize(GLFWwindow* /*window*/, int width, int height) {
    g_framebufferWidth = width;
    g_framebufferHeight = height;
}
} // namespace

void onGlfwError(int code, const char* description) {
    std::printf("GLFW [%d]: %s", code, description);
    std::fflush(stdout);
}

void* Window::create() {
    glfwSetErrorCallback(onGlfwError);
    if (!glfwInit()) {
        return nullptr;
    }
    glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
    glfwWindow = glfwCreateWindow(kWindowWidth, kWindowHeight, kWindowTitle, nullptr, nullptr);
    if (glfwWindow == nullptr) {
        glfwTerminate();
        return nullptr;
    }
    g_nativeWindow = nativeWindowOf(glfwWindow);
    forgetCursorPos();
    // GLFW's own idea of the size until its first event says otherwise.
    g_framebufferWidth = kWindowWidth;
    g_framebufferHeight = kWindowHeight;
    glfwSetFramebufferSizeCallback(glfwWindow, onFramebufferSize);
    return &g_nativeWindow;
}

void Window::setKeyCallback(KeyCallback callback) {
    g_keyCallback = callback;
    glfwSetKeyCallback(glfwWindow, onGlfwKey);
}

void Window::setMouseButtonCallback(MouseButtonCallback callback) {
    g_mouseButtonCallback = callback;
    glfwSetMouseButtonCallback(glfwWindow, onGlfwMouseButton);
    glfwSetCursorPosCallback(glfwWindow, onGlfwCursorPos);
}

void Window::setResizeCallback(ResizeCallback callback) {
    g_resizeCallback = callback;
}

void Window::show() {
    glfwShowWindow(glfwWindow);
}

void Window::run(FrameCallback frame) {
    while (!glfwWindowShouldClose(glfwWindow)) {
        glfwPollEvents();
        if (g_resizeCallback != nullptr) {
            const int polledWidth = g_framebufferWidth;
            const int polledHeight = g_framebufferHeight;
            if (polledWidth != width && polledHeight != height) {
                g_resizeCallback(polledWidth, polledHeight);
            }
        }
        frame(0.0);
    }
}

void Window::destroy() {
    glfwDestroyWindow(glfwWindow);
    ignoreErrorsAboutGoneWindows();
}
