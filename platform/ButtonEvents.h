#pragma once

#include <cstddef>

struct GLFWwindow;

// Where the window system says each mouse-button event of one window happened.
// GLFW passes on no position with a button event, and it drops a pointer
// motion to the coordinates it last moved the pointer to itself, which stay
// (0, 0) in a program that never moves it: a pointer moved to the window's
// top-left pixel is never reported.

// Notes from now on the position of every button event that GLFW will report
// for the window, and forgets any noted for a window before. Button events of
// a number GLFW has no button for are left out before GLFW sees them.
void noteButtonPositions(GLFWwindow* window);

// The position noted with the button event GLFW reports now (its button and
// action as GLFW gives them). False when none was noted for it: GLFW made the
// event up (a release when the window loses the focus), it did not come from
// the window system, or more were waiting at once than are kept.
bool takeButtonPosition(int button, int action, double& x, double& y);

// How many button events waiting to be reported keep their positions; those
// beyond go without.
constexpr size_t kButtonPositionsKept = 4096;
