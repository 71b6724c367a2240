#pragma once

#include "NativeWindow.h"

struct GLFWwindow;

// The X11 display and window behind a GLFW window. Kept apart from the rest of
// the platform code because the X11 headers define a type named Window.
NativeWindow nativeWindowOf(GLFWwindow* window);

// The depth of the window's visual, the pixel layout its pictures must have;
// 0 when it cannot be read.
int windowDepthOf(GLFWwindow* window);

// After the window is destroyed, a presentation of its last frame may still
// reach the X server from the graphics driver and fail there. Such errors about
// windows and drawables that are gone are ignored instead of ending the
// process; any other X error still goes to the handler that was in place.
void ignoreErrorsAboutGoneWindows();
