#include "Device.h"

#include <gtest/gtest.h>

namespace {
int g_errors = 0;
void countError(WGPUDevice const*, WGPUErrorType, WGPUStringView, void*, void*) {
    ++g_errors;
}

void createAndReleaseABuffer(int backend) {
    g_errors = 0;
    WGPUAdapter adapter = selectAdapter(backend, 0);
    ASSERT_NE(adapter, nullptr);
    WGPUDeviceDescriptor deviceDescriptor{};
    deviceDescriptor.uncapturedErrorCallbackInfo.callback = countError;
    WGPUDevice device = wgpuAdapterCreateDevice(adapter, &deviceDescriptor);
    ASSERT_NE(device, nullptr);
    WGPUQueue queue = wgpuDeviceGetQueue(device);

    WGPUBufferDescriptor descriptor{};
    descriptor.usage = WGPUBufferUsage_Uniform | WGPUBufferUsage_CopyDst;
    descriptor.size = 64;
    WGPUBuffer buffer = wgpuDeviceCreateBuffer(device, &descriptor);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(wgpuBufferGetSize(buffer), 64u);
    const float data[16] = {1.0f};
    wgpuQueueWriteBuffer(queue, buffer, 0, data, sizeof data);
    wgpuDeviceTick(device);
    EXPECT_EQ(g_errors, 0);

    wgpuBufferRelease(buffer);
    wgpuQueueRelease(queue);
    wgpuDeviceRelease(device);
    wgpuAdapterRelease(adapter);
}
} // namespace

TEST(WebGpuSmoke, DeclarationsMatchTheLibraryOnTheNullBackend) {
    createAndReleaseABuffer(kBackendNull);
}

TEST(WebGpuSmoke, DeclarationsMatchTheLibraryOnVulkan) {
    createAndReleaseABuffer(kBackendVulkan);
}
