#pragma once

// Starts GLFW on the window system the WebGPU library presents to: on Linux
// its X11 platform, so that in a Wayland session the window goes through the
// session's X server (XWayland). False when GLFW cannot start, as without an
// X server.
bool startGlfw();

// After startGlfw failed: GLFW's own reason is on standard output already;
// where the window system can say what the user can do about it, one line on
// standard error says so.
void explainStartFailure();
