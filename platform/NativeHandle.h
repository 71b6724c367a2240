#pragma once

#include "NativeWindow.h"

struct GLFWwindow;

// The native display and window behind a GLFW window (see NativeWindow). One
// file per window system, chosen by the build, and kept apart from the rest of
// the platform code because the X11 headers define a type named Window.
NativeWindow nativeWindowOf(GLFWwindow* window);

// The depth of the window's visual, the pixel layout its pictures must have
// (on Windows the bits per pixel of its screen); 0 when it cannot be read.
int windowDepthOf(GLFWwindow* window);

// Makes X errors about windows and drawables that are gone harmless for the
// rest of the process, on every connection: Xlib's handler would end the
// process. A window can go before the program lets it go (another client
// destroys it), and after it is destroyed a presentation of its last frame may
// still reach the server and fail there. Any other X error still goes to the
// handler that was in place. Installed once however often it is called.
//
// The window given is watched: an error naming it means it is gone, and it is
// asked to close, so the event loop ends as for a closed window. Null stops
// watching, for a window about to be destroyed. Does nothing on Windows.
void handleErrorsAboutGoneWindows(GLFWwindow* watched);
