#include "SurfaceTesting.h"

#include "Surface.h"

void releaseSwapChainForTesting() {
    if (g_surface != nullptr) {
        wgpuSurfaceRelease(g_surface);
    }
    g_surface = nullptr;
    g_swapChainFormat = WGPUTextureFormat_Undefined;
}
