#include "ButtonEvents.h"

// Where GLFW's own events are all there is, the window follows the pointer
// through them alone.
void noteButtonPositions(GLFWwindow* /*window*/) {}

bool takeButtonPosition(int /*button*/, int /*action*/, double& /*x*/, double& /*y*/) {
    return false;
}
