#pragma once

#include <string>

struct GLFWwindow;

// Why the device made for the window cannot present to it, as the line on
// standard error that says why the program cannot run puts it. One file per
// platform, chosen by the build. On the desktop it reads the window's depth,
// which marks a window another client destroyed as closed.
std::string surfaceRefusal(GLFWwindow* window, const char* deviceName);
