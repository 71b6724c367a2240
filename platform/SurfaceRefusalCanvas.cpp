#include "SurfaceRefusal.h"

// The device was made; the page's canvas refused it a WebGPU context.
std::string surfaceRefusal(GLFWwindow* /*window*/, const char* /*deviceName*/) {
    return "the page's canvas gives WebGPU no context to draw in";
}
