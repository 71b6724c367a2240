#include "Requests.h"

#include "Device.h"

#include <thread>

void awaitAnswers(WGPUInstance instance) {
    wgpuInstanceProcessEvents(instance);
    std::this_thread::yield();
}

WGPUDevice createDeviceWithErrorPrinter(WGPUAdapter adapter) {
    const WGPUDeviceDescriptor descriptor = deviceDescriptorWithCallbacks();
    return wgpuAdapterCreateDevice(adapter, &descriptor);
}
