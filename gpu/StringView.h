#pragma once

#include <webgpu.h>

// A null-terminated text as the WebGPU interface takes it; null stays null.
inline WGPUStringView stringView(const char* text) {
    return WGPUStringView{text, text != nullptr ? WGPU_STRLEN : 0};
}
