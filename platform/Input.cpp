#include "Input.h"

#include "CallbackSlots.h"

#include <GLFW/glfw3.h>

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

void onGlfwMouseButton(GLFWwindow* window, int button, int action, int /*mods*/) {
    if (g_mouseButtonCallback == nullptr) {
        return;
    }
    double xpos = 0.0;
    double ypos = 0.0;
    glfwGetCursorPos(window, &xpos, &ypos);
    // Truncation toward zero: 10.9 becomes 10 and -0.5 becomes 0.
    const int y = static_cast<int>(ypos);
    const int x = static_cast<int>(xpos);
    g_mouseButtonCallback(toMouseButton(button), toButtonAction(action), x, y);
}
