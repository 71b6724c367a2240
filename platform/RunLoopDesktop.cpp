#include "Window.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

void Window::run(FrameCallback frame) {
    while (!glfwWindowShouldClose(glfwWindow)) {
        runPass(frame);
    }
}
