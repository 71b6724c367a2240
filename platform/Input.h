#pragma once

// The program's own input vocabulary. GLFW's key and mouse-button events are
// translated into it before they reach the application.

enum class ButtonAction : int {
    Release = 0,
    Press = 1,
    Repeat = 2,
    Other = -1,
};

enum class MouseButton : int {
    Left = 0,
    Right = 1,
    Middle = 2,
    Other = -1,
};

using KeyCallback = void (*)(int key, ButtonAction action);
using MouseButtonCallback = void (*)(MouseButton button, ButtonAction action, int x, int y);
using ResizeCallback = void (*)(int width, int height);
using FrameCallback = void (*)(double time);

ButtonAction toButtonAction(int glfwAction);
MouseButton toMouseButton(int glfwButton);

struct GLFWwindow;

// GLFW callbacks that forward to the callbacks stored by the Window setters.
void onGlfwKey(GLFWwindow* window, int key, int scancode, int action, int mods);
void onGlfwMouseButton(GLFWwindow* window, int button, int action, int mods);
// A position as an echo carries it: truncated toward zero, limited to the
// range of an int, 0 for one that is not a number.
int toEchoCoordinate(double value);
// Follows the pointer on the window, so that a mouse-button event is echoed
// with the position it happened at: the one the window system gave with the
// event (ButtonEvents.h); failing that, its position from GLFW's last pointer
// event, moved by as much as the window has moved since; before the first,
// the position GLFW gives when asked. The callbacks GLFW held before are kept
// and called first.
void followPointer(GLFWwindow* window);
// The two callbacks followPointer installs.
void onGlfwCursorPos(GLFWwindow* window, double x, double y);
void onGlfwWindowPos(GLFWwindow* window, int x, int y);
