#include "GlfwStart.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

// GLFW's own choice: the only window system it has here (GLFW 3.3 on Linux
// knows X11 alone).
bool startGlfw() {
    return glfwInit() == GLFW_TRUE;
}
