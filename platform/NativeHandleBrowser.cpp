#include "NativeHandle.h"

// The window is the page's canvas, which the surface names by its selector.
NativeWindow nativeWindowOf(GLFWwindow* /*window*/) {
    return NativeWindow{};
}

// A canvas holds 8-bit red, green, blue and alpha.
int windowDepthOf(GLFWwindow* /*window*/) {
    return 32;
}

void handleErrorsAboutGoneWindows(GLFWwindow* /*watched*/) {}
