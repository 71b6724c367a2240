// Preloaded into the program: the WebGPU library loses the device, as a
// driver reset would, at the first presentation after the process receives
// SIGUSR1. With DEVICE_LOSS_SHIM_NO_ADAPTER set, no adapter is offered after
// the loss.
#include <webgpu.h>

#include <dlfcn.h>

#include <atomic>
#include <csignal>
#include <cstdlib>

extern "C" void wgpuDeviceForceLoss(WGPUDevice device, WGPUDeviceLostReason reason,
                                    WGPUStringView message);

namespace {
std::atomic<bool> g_loseDevice{false};
bool g_lost = false;
WGPUDevice g_device = nullptr;

template <typename Function> Function real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

[[gnu::constructor]] void installTrigger() {
    std::signal(SIGUSR1, [](int) { g_loseDevice = true; });
}
} // namespace

extern "C" WGPUDevice wgpuAdapterCreateDevice(WGPUAdapter adapter,
                                              WGPUDeviceDescriptor const* descriptor) {
    static const auto create =
        real<WGPUDevice (*)(WGPUAdapter, WGPUDeviceDescriptor const*)>("wgpuAdapterCreateDevice");
    g_device = create(adapter, descriptor);
    return g_device;
}

extern "C" void wgpuSurfacePresent(WGPUSurface surface) {
    static const auto present = real<void (*)(WGPUSurface)>("wgpuSurfacePresent");
    present(surface);
    if (g_loseDevice.exchange(false)) {
        g_lost = true;
        wgpuDeviceForceLoss(g_device, WGPUDeviceLostReason_Unknown,
                            WGPUStringView{"the driver was reset", WGPU_STRLEN});
    }
}

extern "C" WGPUFuture wgpuInstanceRequestAdapter(WGPUInstance instance,
                                                 WGPURequestAdapterOptions const* options,
                                                 WGPURequestAdapterCallbackInfo info) {
    static const auto request =
        real<WGPUFuture (*)(WGPUInstance, WGPURequestAdapterOptions const*,
                            WGPURequestAdapterCallbackInfo)>("wgpuInstanceRequestAdapter");
    if (g_lost && std::getenv("DEVICE_LOSS_SHIM_NO_ADAPTER") != nullptr) {
        info.callback(WGPURequestAdapterStatus_Unavailable, nullptr, WGPUStringView{nullptr, 0},
                      info.userdata1, info.userdata2);
        return WGPUFuture{0};
    }
    return request(instance, options, info);
}
