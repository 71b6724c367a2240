#include "NativeHandle.h"

// The window is the page's canvas, which the surface names by its selector.
NativeWindow nativeWindowOf(GLFWwindow* /*window*/) {
    return NativeWindow{};
}

void handleErrorsAboutGoneWindows(GLFWwindow* /*watched*/) {}
