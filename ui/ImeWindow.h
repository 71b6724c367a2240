#pragma once

struct GLFWwindow;

// The native window handle the UI library is given for text input (HWND on
// Windows, where the library uses it; the X11 window id on X11).
void* imeWindowHandleOf(GLFWwindow* window);
