#pragma once

// Keeps the libraries the library loads for its OpenGL adapters loaded for the
// rest of the process, where unloading them is unsafe.
void keepOpenGLLibrariesLoaded();
