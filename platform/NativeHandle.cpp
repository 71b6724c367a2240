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
