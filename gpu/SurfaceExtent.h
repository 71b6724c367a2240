#pragma once

#include <cstdint>

// The size in pixels the window's surface is drawn at. One file per platform,
// chosen by the build.
struct SurfaceExtent {
    uint32_t width = 0;
    uint32_t height = 0;

    bool operator==(const SurfaceExtent& other) const {
        return width == other.width && height == other.height;
    }
    bool operator!=(const SurfaceExtent& other) const { return !(*this == other); }
};

// The extent the surface should have now. On the desktop it is fixed at
// 1280 x 720, and the picture is stretched over the window. In the browser it
// is the canvas's size in CSS pixels times the device pixel ratio, rounded, so
// that every device pixel is drawn, and it follows the ratio as it changes.
SurfaceExtent wantedSurfaceExtent();

// Whether the surface's drawing buffer still has the extent it was configured
// with. In the browser the page's canvas may have been resized behind the
// program's back.
bool drawingBufferHas(const SurfaceExtent& configured);
