#pragma once

#include "NativeWindow.h"

struct GLFWwindow;

// The X11 display and window behind a GLFW window. Kept apart from the rest of
// the platform code because the X11 headers define a type named Window.
NativeWindow nativeWindowOf(GLFWwindow* window);
