#include "Requests.h"

#include "Device.h"

#include <string>
#include <thread>

void awaitAnswers(WGPUInstance instance) {
    wgpuInstanceProcessEvents(instance);
    std::this_thread::yield();
}

// Dawn makes the device at once and gives no reason when it cannot.
WGPUDevice createDeviceWithErrorPrinter(WGPUAdapter adapter, std::string* /*refusal*/) {
    const WGPUDeviceDescriptor descriptor = deviceDescriptorWithCallbacks();
    return wgpuAdapterCreateDevice(adapter, &descriptor);
}
