#pragma once

#include "NativeWindow.h"

#include <webgpu.h>

// Makes the WebGPU surface for the native window. On X11 it presents over
// `displayConnection` (an Xlib Display); where presentation needs no
// connection the argument is not used. Null on failure.
WGPUSurface createWindowSurface(WGPUInstance instance, const NativeWindow& native,
                                void* displayConnection);
