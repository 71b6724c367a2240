#include "SurfaceTesting.h"

#include "DisplayConnection.h"
#include "Surface.h"

namespace {
// The connection of the surface released last. The library may destroy what
// it made for the surface only with the surface's device, which the caller
// releases after this call, so that connection is closed one call later.
void* g_retiredDisplay = nullptr;
} // namespace

void releaseSwapChainForTesting() {
    if (g_surface != nullptr) {
        if (g_surfaceConfiguration.device != nullptr) {
            wgpuSurfaceUnconfigure(g_surface);
        }
        wgpuSurfaceRelease(g_surface);
    }
    closeDisplayConnection(g_retiredDisplay);
    g_retiredDisplay = g_presentationDisplay;
    g_presentationDisplay = nullptr;
    g_surface = nullptr;
    g_swapChainFormat = WGPUTextureFormat_Undefined;
    g_surfaceConfiguration = WGPUSurfaceConfiguration{};
}
