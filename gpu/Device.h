#pragma once

#include <webgpu.h>

#include <string>

// The program's own back-end request numbers. A request is a 32-bit signed
// integer; the library numbers its back ends differently.
constexpr int kBackendNull = 0;
constexpr int kBackendD3D11 = 1;
constexpr int kBackendD3D12 = 2;
constexpr int kBackendMetal = 3;
constexpr int kBackendVulkan = 4;
constexpr int kBackendOpenGL = 5;
constexpr int kBackendOpenGLES = 6;
// No particular back end.
constexpr int kBackendAny = 0x7FFFFFFF;
// What a request for no particular back end (anything above 6) selects on
// this platform: Vulkan on Linux; on Windows kBackendAny, the library's own
// choice (Direct3D 12 where it is usable, else Vulkan).
extern const int kPrimaryBackend;

// The back end of the adapter chosen last, in the program's numbers.
extern int g_backendType;

// A request above 6 asks for no particular back end and becomes the
// platform's primary one; every other value stands as it is.
int resolveBackendRequest(int requested);

// The one WebGPU instance of the process, made on first use; null when the
// library could not make one.
WGPUInstance gpuInstance();

// The first adapter of the preferred back end, else (when fallback is not 0)
// the first of the fallback back end, else null. The caller releases it.
// Without an instance, or when the library leaves a request unanswered for
// 10 seconds, there is no adapter.
WGPUAdapter selectAdapter(int preferred, int fallback);

// Whether selectAdapter's last request went unanswered for the 10 seconds it
// waits, rather than being answered with no adapter.
bool adapterRequestWentUnanswered();

// The adapter's back end in the program's numbers (-1 when it has none of them).
int adapterBackend(WGPUAdapter adapter);

// A device on the adapter whose uncaptured errors go to onDeviceError; null on
// failure. Where the WebGPU implementation says why it refused the device
// (the browser's does), the reason goes to *refusal when that is given.
WGPUDevice createDeviceWithErrorPrinter(WGPUAdapter adapter, std::string* refusal = nullptr);

// The descriptor every device of the program is made with: uncaptured errors
// go to onDeviceError, a loss to onDeviceLost.
WGPUDeviceDescriptor deviceDescriptorWithCallbacks();

// Notes a device's loss (a driver reset, a GPU process that went away, a
// device destroyed from outside) for the frame loop to act on. A device the
// program lets go of itself is no loss: Dawn reports it as destroyed or its
// callback as cancelled.
void onDeviceLost(WGPUDevice const* device, WGPUDeviceLostReason reason, WGPUStringView message,
                  void* userdata1, void* userdata2);

// Whether a device was lost since the last takeDeviceLoss.
bool deviceLost();

// The line the program prints about the loss noted last, and forgets it.
std::string takeDeviceLoss();

// Prints the device's error message alone on a line of standard output.
void onDeviceError(WGPUDevice const* device, WGPUErrorType type, WGPUStringView message,
                   void* userdata1, void* userdata2);
