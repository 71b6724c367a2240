#include "NativeHandle.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3native.h>

NativeWindow nativeWindowOf(GLFWwindow* window) {
    NativeWindow native;
    native.display = glfwGetX11Display();
    native.window = glfwGetX11Window(window);
    return native;
}

int windowDepthOf(GLFWwindow* window) {
    XWindowAttributes attributes{};
    if (window == nullptr ||
        XGetWindowAttributes(glfwGetX11Display(), glfwGetX11Window(window), &attributes) == 0) {
        return 0;
    }
    return attributes.depth;
}

namespace {
XErrorHandler g_previousErrorHandler = nullptr;
GLFWwindow* g_watchedWindow = nullptr;
XID g_watchedId = 0;

// Runs inside Xlib: it may not make requests, and it makes none (asking GLFW
// to close only sets the window's flag).
int ignoreGoneWindows(Display* display, XErrorEvent* event) {
    if (event->error_code == BadDrawable || event->error_code == BadWindow) {
        if (g_watchedWindow != nullptr && event->resourceid == g_watchedId) {
            glfwSetWindowShouldClose(g_watchedWindow, GLFW_TRUE);
        }
        return 0;
    }
    return g_previousErrorHandler != nullptr ? g_previousErrorHandler(display, event) : 0;
}
} // namespace

void handleErrorsAboutGoneWindows(GLFWwindow* watched) {
    g_watchedWindow = watched;
    g_watchedId = watched != nullptr ? glfwGetX11Window(watched) : 0;
    XErrorHandler previous = XSetErrorHandler(ignoreGoneWindows);
    if (previous != ignoreGoneWindows) {
        g_previousErrorHandler = previous;
    }
}
