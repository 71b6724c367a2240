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

int ignoreGoneWindows(Display* display, XErrorEvent* event) {
    if (event->error_code == BadDrawable || event->error_code == BadWindow) {
        return 0;
    }
    return g_previousErrorHandler != nullptr ? g_previousErrorHandler(display, event) : 0;
}
} // namespace

void ignoreErrorsAboutGoneWindows() {
    XErrorHandler previous = XSetErrorHandler(ignoreGoneWindows);
    if (previous != ignoreGoneWindows) {
        g_previousErrorHandler = previous;
    }
}
