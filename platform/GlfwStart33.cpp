#include "GlfwStart.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

// GLFW 3.3 knows no other platform than X11 on Linux.
bool startGlfwOnX11() {
    return glfwInit() == GLFW_TRUE;
}
