#include "Window.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <emscripten/emscripten.h>

namespace {
struct RunningWindow {
    Window* window;
    FrameCallback frame;
};
RunningWindow g_running{};
} // namespace

// A pass whenever the browser is about to show the page anew; control goes
// back to the browser after each, which then shows the frame. A window closed
// by the program (Window::close) stops the passes; the page stays.
void Window::run(FrameCallback frame) {
    g_running = RunningWindow{this, frame};
    emscripten_set_main_loop_arg(
        [](void* running) {
            auto* current = static_cast<RunningWindow*>(running);
            if (glfwWindowShouldClose(current->window->getGlfwWindow()) == GLFW_TRUE) {
                emscripten_cancel_main_loop();
                return;
            }
            current->window->runPass(current->frame);
        },
        &g_running, 0, true);
}
