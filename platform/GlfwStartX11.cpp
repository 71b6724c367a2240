#include "GlfwStart.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

// GLFW 3.4 would choose Wayland in a Wayland session.
bool startGlfw() {
    glfwInitHint(GLFW_PLATFORM, GLFW_PLATFORM_X11);
    return glfwInit() == GLFW_TRUE;
}
