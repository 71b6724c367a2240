#include "GlfwStart.h"

// GLFW's own reason is all there is to say.
void explainStartFailure() {}
