#pragma once

// The bare start-up: a GLFW window of the program's size, a WebGPU device on
// the Vulkan back end, its surface, and the bare frame drawn until the window
// is closed, with nothing else before the first frame. Returns the exit code.
int runBareStartup();
