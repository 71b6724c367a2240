#include "Requests.h"

#include "Device.h"

#include <emscripten/emscripten.h>

#include <cstring>
#include <string>

namespace {
struct DeviceRequest {
    bool answered = false;
    WGPUDevice device = nullptr;
    std::string refusal;
};

void onDeviceAnswer(WGPURequestDeviceStatus status, WGPUDevice device, WGPUStringView message,
                    void* userdata1, void*) {
    auto* request = static_cast<DeviceRequest*>(userdata1);
    request->answered = true;
    request->device = status == WGPURequestDeviceStatus_Success ? device : nullptr;
    if (request->device == nullptr && message.data != nullptr) {
        request->refusal.assign(message.data, message.length == WGPU_STRLEN
                                                  ? std::strlen(message.data)
                                                  : message.length);
    }
}
} // namespace

// The browser answers only once the page's script has control again: the
// program's stack waits, unwound, meanwhile (the build's ASYNCIFY).
void awaitAnswers(WGPUInstance /*instance*/) {
    emscripten_sleep(1);
}

// The browser settles every device request, with a device or without one.
WGPUDevice createDeviceWithErrorPrinter(WGPUAdapter adapter, std::string* refusal) {
    DeviceRequest request;
    const WGPUDeviceDescriptor descriptor = deviceDescriptorWithCallbacks();
    WGPURequestDeviceCallbackInfo callbackInfo{};
    callbackInfo.mode = WGPUCallbackMode_AllowSpontaneous;
    callbackInfo.callback = onDeviceAnswer;
    callbackInfo.userdata1 = &request;
    wgpuAdapterRequestDevice(adapter, &descriptor, callbackInfo);
    while (!request.answered) {
        awaitAnswers(gpuInstance());
    }
    if (refusal != nullptr) {
        *refusal = request.refusal;
    }
    return request.device;
}
