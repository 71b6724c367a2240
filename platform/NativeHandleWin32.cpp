#include "NativeHandle.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>

#include <cstdint>

NativeWindow nativeWindowOf(GLFWwindow* window) {
    NativeWindow native;
    native.display = GetModuleHandleW(nullptr);
    native.window = reinterpret_cast<std::uintptr_t>(glfwGetWin32Window(window));
    return native;
}

// The bits per pixel of the screen the window is on.
int windowDepthOf(GLFWwindow* window) {
    HWND handle = window != nullptr ? glfwGetWin32Window(window) : nullptr;
    HDC context = handle != nullptr ? GetDC(handle) : nullptr;
    if (context == nullptr) {
        return 0;
    }
    const int depth = GetDeviceCaps(context, BITSPIXEL);
    ReleaseDC(handle, context);
    return depth;
}

// A window another program destroys reaches GLFW as a closed window; there are
// no errors of a display connection to handle.
void handleErrorsAboutGoneWindows(GLFWwindow* /*watched*/) {}
