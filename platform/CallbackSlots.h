#pragma once

#include "Input.h"

// The application's callbacks for the one window, set by the Window setters
// and read by the GLFW adapters and the event loop.
extern KeyCallback g_keyCallback;
extern MouseButtonCallback g_mouseButtonCallback;
extern ResizeCallback g_resizeCallback;
