#include "SurfaceExtent.h"

#include "Surface.h"

SurfaceExtent wantedSurfaceExtent() {
    return SurfaceExtent{kSurfaceWidth, kSurfaceHeight};
}

bool drawingBufferHas(const SurfaceExtent& /*configured*/) {
    return true;
}
