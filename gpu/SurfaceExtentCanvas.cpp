#include "SurfaceExtent.h"

#include "Surface.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cmath>

namespace {
constexpr const char* kCanvas = "#canvas";

uint32_t devicePixels(double cssPixels, double ratio, uint32_t fallback) {
    const double pixels = std::round(cssPixels * ratio);
    return pixels >= 1.0 && pixels <= 16384.0 ? static_cast<uint32_t>(pixels) : fallback;
}
} // namespace

SurfaceExtent wantedSurfaceExtent() {
    double cssWidth = kSurfaceWidth;
    double cssHeight = kSurfaceHeight;
    emscripten_get_element_css_size(kCanvas, &cssWidth, &cssHeight);
    const double ratio = emscripten_get_device_pixel_ratio();
    return SurfaceExtent{devicePixels(cssWidth, ratio, kSurfaceWidth),
                         devicePixels(cssHeight, ratio, kSurfaceHeight)};
}

// The browser's GLFW sets the canvas back to its CSS size when the pixel ratio
// changes; configuring the surface sets it to the extent configured.
bool drawingBufferHas(const SurfaceExtent& configured) {
    int width = 0;
    int height = 0;
    emscripten_get_canvas_element_size(kCanvas, &width, &height);
    return static_cast<uint32_t>(width) == configured.width &&
           static_cast<uint32_t>(height) == configured.height;
}
