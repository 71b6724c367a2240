// Preloaded into a start-up that the benchmark takes apart (the program
// itself, or the bare one): it stands in front of the GLFW and WebGPU calls
// that end each phase, and at the first of each writes
// "<steady clock nanoseconds> <phase>" on standard output, which the
// benchmark reads (see runStartupPhasesBench). Nothing of the start-up is
// copied or changed.

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <webgpu.h>

#include <dlfcn.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {
void mark(const char* phase) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    char line[256];
    const int length = std::snprintf(
        line, sizeof(line), "%lld %s\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
        phase);
    if (length > 0 && write(STDOUT_FILENO, line, static_cast<size_t>(length)) < 0) {
        return; // nobody reads: nothing to measure for
    }
}

// Marks a phase at the first time only.
struct Phase {
    const char* name;
    bool marked = false;
    void end() {
        if (!marked) {
            marked = true;
            mark(name);
        }
    }
};

Phase g_toMain{"process start to main (loading, linking)"};
Phase g_window{"GLFW and its window"};
Phase g_adapter{"WebGPU instance, adapter"};
Phase g_device{"device"};
Phase g_surface{"surface (on its own X connection), capabilities, configuration"};
Phase g_beforePipelines{"queue, input callbacks, scene, UI context and bindings"};
Phase g_pipelines{"pipelines before the first frame: bare one; the scene's with its buffers"};
Phase g_firstFrameUi{"first frame until its texture: font atlas, UI pipeline and upload, panel"};
Phase g_firstFrame{"first frame: recording, submission, presentation"};

template <typename Function> Function real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C" {
int glfwInit(void) {
    g_toMain.end();
    return real<int (*)()>("glfwInit")();
}

WGPUInstance wgpuCreateInstance(WGPUInstanceDescriptor const* descriptor) {
    g_window.end();
    return real<decltype(&wgpuCreateInstance)>("wgpuCreateInstance")(descriptor);
}

WGPUDevice wgpuAdapterCreateDevice(WGPUAdapter adapter, WGPUDeviceDescriptor const* descriptor) {
    g_adapter.end();
    WGPUDevice device =
        real<decltype(&wgpuAdapterCreateDevice)>("wgpuAdapterCreateDevice")(adapter, descriptor);
    g_device.end();
    return device;
}

void wgpuSurfaceConfigure(WGPUSurface surface, WGPUSurfaceConfiguration const* config) {
    real<decltype(&wgpuSurfaceConfigure)>("wgpuSurfaceConfigure")(surface, config);
    g_surface.end();
}

WGPUShaderModule wgpuDeviceCreateShaderModule(WGPUDevice device,
                                              WGPUShaderModuleDescriptor const* descriptor) {
    g_beforePipelines.end();
    return real<decltype(&wgpuDeviceCreateShaderModule)>("wgpuDeviceCreateShaderModule")(
        device, descriptor);
}

void glfwPollEvents(void) {
    g_pipelines.end();
    real<void (*)()>("glfwPollEvents")();
}

void wgpuSurfaceGetCurrentTexture(WGPUSurface surface, WGPUSurfaceTexture* surfaceTexture) {
    g_firstFrameUi.end();
    real<decltype(&wgpuSurfaceGetCurrentTexture)>("wgpuSurfaceGetCurrentTexture")(surface,
                                                                                  surfaceTexture);
}

void wgpuSurfacePresent(WGPUSurface surface) {
    real<decltype(&wgpuSurfacePresent)>("wgpuSurfacePresent")(surface);
    g_firstFrame.end();
}
}
