#include "SurfaceRefusal.h"

#include "NativeHandle.h"

// The surfaces of Mesa's drivers offer no format on screens of depth 8, 15,
// 16 or 30, for one.
std::string surfaceRefusal(GLFWwindow* window, const char* deviceName) {
    return "the " + std::string(deviceName) + " device cannot present to a window of depth " +
           std::to_string(windowDepthOf(window)) + " on this display";
}
