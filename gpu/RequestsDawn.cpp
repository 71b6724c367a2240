#include "Requests.h"

#include "Device.h"

#include <thread>

void awaitAnswers(WGPUInstance instance) {
    wgpuInstanceProcessEvents(instance);
    std::this_thread::yield();
}

WGPUDevice createDeviceWithErrorPrinter(WGPUAdapter adapter) {
    WGPUDeviceDescriptor descriptor{};
    descriptor.uncapturedErrorCallbackInfo.callback = onDeviceError;
    return wgpuAdapterCreateDevice(adapter, &descriptor);
}
