#include "ImeWindow.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>

void* imeWindowHandleOf(GLFWwindow* window) {
    return glfwGetWin32Window(window);
}
