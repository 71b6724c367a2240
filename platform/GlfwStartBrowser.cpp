#include "GlfwStart.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

// The browser's GLFW never reports the page's focus: its window counts as
// focused from the start, so that the UI follows the pointer over the canvas.
bool startGlfw() {
    if (glfwInit() != GLFW_TRUE) {
        return false;
    }
    glfwWindowHint(GLFW_FOCUSED, GLFW_TRUE);
    return true;
}
