#pragma once

// Starts GLFW on its X11 platform, the only window system the WebGPU library
// presents to: in a Wayland session the window goes through the session's X
// server (XWayland). False when GLFW cannot start, as without an X server.
bool startGlfwOnX11();
