#include "ButtonEvents.h"

// Without X the window follows the pointer through GLFW's events alone.
void noteButtonPositions(GLFWwindow* /*window*/) {}

bool takeButtonPosition(int /*button*/, int /*action*/, double& /*x*/, double& /*y*/) {
    return false;
}
