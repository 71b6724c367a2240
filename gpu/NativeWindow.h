#pragma once

#include <cstdint>

// The native handle of an X11 window: what the WebGPU library needs to present
// to it.
struct NativeWindow {
    void* display = nullptr;
    std::uint64_t window = 0;
};
