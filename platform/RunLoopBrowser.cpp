#include "Window.h"

#include "Device.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

namespace {
struct RunningWindow {
    Window* window;
    FrameCallback frame;
};
RunningWindow g_running{};

// Whether the passes run on a timer rather than on the browser's frames.
bool g_onTimer = false;
constexpr int kTimerPassesPerSecond = 60;
constexpr double kLossWatchMilliseconds = 250.0;

void pass(void* running) {
    auto* current = static_cast<RunningWindow*>(running);
    if (glfwWindowShouldClose(current->window->getGlfwWindow()) == GLFW_TRUE) {
        emscripten_cancel_main_loop();
        return;
    }
    current->window->runPass(current->frame);
    if (g_onTimer && !deviceLost()) {
        g_onTimer = false;
        emscripten_set_main_loop_timing(EM_TIMING_RAF, 1);
    }
}

// Firefox calls no frame callback of the page once the device of the canvas
// it shows is lost, so the loss would never reach a pass. Watched outside
// the frames, a loss moves the passes onto a timer until the device is
// replaced; then they go back to the browser's frames.
void watchForLoss(void* running) {
    if (deviceLost() && !g_onTimer) {
        g_onTimer = true;
        emscripten_cancel_main_loop();
        emscripten_set_main_loop_arg(pass, running, kTimerPassesPerSecond, false);
    }
}
} // namespace

// A pass whenever the browser is about to show the page anew; control goes
// back to the browser after each, which then shows the frame. A window closed
// by the program (Window::close) stops the passes; the page stays.
void Window::run(FrameCallback frame) {
    g_running = RunningWindow{this, frame};
    emscripten_set_interval(watchForLoss, kLossWatchMilliseconds, &g_running);
    emscripten_set_main_loop_arg(pass, &g_running, 0, true);
}
