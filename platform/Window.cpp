#include "Window.h"

#include "CallbackSlots.h"
#include "GlfwStart.h"
#include "NativeHandle.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdio>

namespace {
NativeWindow g_nativeWindow;
} // namespace

// The line has no break of its own, so line buffering would hold it until the
// next line or the exit: it goes out now (GLFW reports errors rarely).
void onGlfwError(int code, const char* description) {
    std::printf("GLFW [%d]: %s", code, description);
    std::fflush(stdout);
}

void* Window::create() {
    glfwSetErrorCallback(onGlfwError);
    if (!startGlfw()) {
        explainStartFailure();
        return nullptr;
    }
    glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
    // Mapped by show(), once errors about it are handled: another client may
    // destroy it as soon as it exists, and GLFW 3.3 puts Xlib's own error
    // handler, which ends the process, back in place while it makes the window.
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    handleErrorsAboutGoneWindows(nullptr);
    glfwWindow = glfwCreateWindow(kWindowWidth, kWindowHeight, kWindowTitle, nullptr, nullptr);
    if (glfwWindow == nullptr) {
        glfwTerminate();
        return nullptr;
    }
    g_nativeWindow = nativeWindowOf(glfwWindow);
    handleErrorsAboutGoneWindows(glfwWindow);
    return &g_nativeWindow;
}

void Window::setKeyCallback(KeyCallback callback) {
    g_keyCallback = callback;
    glfwSetKeyCallback(glfwWindow, onGlfwKey);
}

void Window::setMouseButtonCallback(MouseButtonCallback callback) {
    g_mouseButtonCallback = callback;
    glfwSetMouseButtonCallback(glfwWindow, onGlfwMouseButton);
    followPointer(glfwWindow);
}

void Window::setResizeCallback(ResizeCallback callback) {
    g_resizeCallback = callback;
}

void Window::show() {
    glfwShowWindow(glfwWindow);
}

void Window::runPass(FrameCallback frame) {
    glfwPollEvents();
    if (g_resizeCallback != nullptr) {
        int polledWidth = 0;
        int polledHeight = 0;
        glfwGetFramebufferSize(glfwWindow, &polledWidth, &polledHeight);
        if (polledWidth != width && polledHeight != height) {
            g_resizeCallback(polledWidth, polledHeight);
        }
    }
    frame(0.0);
}

void Window::close() {
    glfwSetWindowShouldClose(glfwWindow, GLFW_TRUE);
}

void Window::destroy() {
    // Errors about the window may reach Xlib while it is destroyed and after.
    handleErrorsAboutGoneWindows(nullptr);
    glfwDestroyWindow(glfwWindow);
}
