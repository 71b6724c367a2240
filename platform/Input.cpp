#include "Input.h"

#include "ButtonEvents.h"
#include "CallbackSlots.h"

#include <GLFW/glfw3.h>

#include <climits>
#include <cmath>

KeyCallback g_keyCallback = nullptr;
MouseButtonCallback g_mouseButtonCallback = nullptr;
ResizeCallback g_resizeCallback = nullptr;

ButtonAction toButtonAction(int glfwAction) {
    if (glfwAction == GLFW_PRESS) {
        return ButtonAction::Press;
    }
    if (glfwAction == GLFW_RELEASE) {
        return ButtonAction::Release;
    }
    if (glfwAction == GLFW_REPEAT) {
        return ButtonAction::Repeat;
    }
    return ButtonAction::Other;
}

MouseButton toMouseButton(int glfwButton) {
    if (glfwButton == GLFW_MOUSE_BUTTON_LEFT) {
        return MouseButton::Left;
    }
    if (glfwButton == GLFW_MOUSE_BUTTON_MIDDLE) {
        return MouseButton::Middle;
    }
    if (glfwButton == GLFW_MOUSE_BUTTON_RIGHT) {
        return MouseButton::Right;
    }
    return MouseButton::Other;
}

void onGlfwKey(GLFWwindow* /*window*/, int key, int /*scancode*/, int action, int /*mods*/) {
    if (g_keyCallback == nullptr) {
        return;
    }
    g_keyCallback(key, toButtonAction(action));
}

namespace {
// The pointer's position as GLFW's events last reported it. GLFW reports the
// events of a pass in the order they happened, so a button event is echoed
// with the position it happened at; asking GLFW would give the position at
// the time of asking, after any later moves.
bool g_cursorKnown = false;
double g_cursorX = 0.0;
double g_cursorY = 0.0;
// Where the window was when that position was reported: a window that moves
// under a still pointer gets no pointer event.
int g_windowX = 0;
int g_windowY = 0;
GLFWcursorposfun g_previousCursorPos = nullptr;
GLFWwindowposfun g_previousWindowPos = nullptr;
} // namespace

// Truncation toward zero: 10.9 becomes 10 and -0.5 becomes 0. GLFW's
// positions are unbounded (a disabled cursor's keeps counting), so one beyond
// an int's range becomes its nearest end, and one that is not a number 0.
int toEchoCoordinate(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

void onGlfwCursorPos(GLFWwindow* window, double x, double y) {
    if (g_previousCursorPos != nullptr) {
        g_previousCursorPos(window, x, y);
    }
    g_cursorKnown = true;
    g_cursorX = x;
    g_cursorY = y;
}

void onGlfwWindowPos(GLFWwindow* window, int x, int y) {
    if (g_previousWindowPos != nullptr) {
        g_previousWindowPos(window, x, y);
    }
    g_cursorX -= static_cast<double>(x) - static_cast<double>(g_windowX);
    g_cursorY -= static_cast<double>(y) - static_cast<double>(g_windowY);
    g_windowX = x;
    g_windowY = y;
}

void followPointer(GLFWwindow* window) {
    noteButtonPositions(window);
    g_cursorKnown = false;
    glfwGetWindowPos(window, &g_windowX, &g_windowY);
    // Following again keeps the first chain rather than calling itself.
    const GLFWcursorposfun previousCursorPos = glfwSetCursorPosCallback(window, onGlfwCursorPos);
    if (previousCursorPos != onGlfwCursorPos) {
        g_previousCursorPos = previousCursorPos;
    }
    const GLFWwindowposfun previousWindowPos = glfwSetWindowPosCallback(window, onGlfwWindowPos);
    if (previousWindowPos != onGlfwWindowPos) {
        g_previousWindowPos = previousWindowPos;
    }
}

void onGlfwMouseButton(GLFWwindow* window, int button, int action, int /*mods*/) {
    double xpos = g_cursorX;
    double ypos = g_cursorY;
    const bool noted = takeButtonPosition(button, action, xpos, ypos);
    if (g_mouseButtonCallback == nullptr) {
        return;
    }
    if (!noted && !g_cursorKnown) {
        glfwGetCursorPos(window, &xpos, &ypos);
    }
    const int y = toEchoCoordinate(ypos);
    const int x = toEchoCoordinate(xpos);
    g_mouseButtonCallback(toMouseButton(button), toButtonAction(action), x, y);
}
