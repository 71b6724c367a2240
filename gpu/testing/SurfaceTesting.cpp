#include "SurfaceTesting.h"

#include "DisplayConnection.h"
#include "Surface.h"

void releaseSwapChainForTesting() {
    if (g_surface != nullptr) {
        // Whoever else still holds the surface, nothing of it may use the
        // connection once it is closed.
        if (g_surfaceConfiguration.device != nullptr) {
            wgpuSurfaceUnconfigure(g_surface);
        }
        wgpuSurfaceRelease(g_surface);
    }
    closeDisplayConnection(g_presentationDisplay);
    g_presentationDisplay = nullptr;
    g_surface = nullptr;
    g_swapChainFormat = WGPUTextureFormat_Undefined;
    g_surfaceConfiguration = WGPUSurfaceConfiguration{};
}
