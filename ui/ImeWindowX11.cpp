#include "ImeWindow.h"

#include <cstdint>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3native.h>

void* imeWindowHandleOf(GLFWwindow* window) {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(glfwGetX11Window(window)));
}
