#pragma once

#include <cstdint>

// The native handle of a window: what the WebGPU library needs to present to
// it. On X11 the display (an Xlib Display) and the window id; on Windows the
// module instance (HINSTANCE) and the window (HWND).
struct NativeWindow {
    void* display = nullptr;
    std::uint64_t window = 0;
};
