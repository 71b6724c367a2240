#include "Device.h"
#include "Window.h"

#include "Process.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

TEST(BackendRequest, AnythingAboveSixMeansThePrimaryBackend) {
    EXPECT_EQ(resolveBackendRequest(kBackendAny), kBackendVulkan);
    EXPECT_EQ(resolveBackendRequest(7), kBackendVulkan);
    EXPECT_EQ(resolveBackendRequest(1000), kBackendVulkan);
    for (int request = -3; request <= 6; ++request) {
        EXPECT_EQ(resolveBackendRequest(request), request);
    }
}

TEST(AdapterSelection, FindsTheAdaptersThisBuildHas) {
    WGPUAdapter vulkan = selectAdapter(kBackendVulkan, 0);
    ASSERT_NE(vulkan, nullptr);
    EXPECT_EQ(adapterBackend(vulkan), kBackendVulkan);
    wgpuAdapterRelease(vulkan);

    WGPUAdapter null = selectAdapter(kBackendNull, 0);
    ASSERT_NE(null, nullptr);
    EXPECT_EQ(adapterBackend(null), kBackendNull);
    wgpuAdapterRelease(null);
}

TEST(AdapterSelection, MissingBackendsGiveNothingUnlessAFallbackIsNamed) {
    EXPECT_EQ(selectAdapter(kBackendD3D12, 0), nullptr);
    EXPECT_EQ(selectAdapter(-1, 0), nullptr);
    EXPECT_EQ(selectAdapter(kBackendOpenGL, 0), nullptr);
    WGPUAdapter fallback = selectAdapter(kBackendD3D12, kBackendVulkan);
    ASSERT_NE(fallback, nullptr);
    EXPECT_EQ(adapterBackend(fallback), kBackendVulkan);
    wgpuAdapterRelease(fallback);
}

namespace {
struct WindowDevice : ::testing::TestWithParam<int> {};
} // namespace

TEST_P(WindowDevice, UnavailableBackendTearsTheWindowDown) {
    Window window;
    void* native = window.create();
    ASSERT_NE(native, nullptr);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(window.createDevice(native, GetParam()), nullptr);
    // GLFW was terminated: a call that needs it reports "not initialized".
    EXPECT_EQ(glfwCreateStandardCursor(GLFW_ARROW_CURSOR), nullptr);
    EXPECT_EQ(::testing::internal::GetCapturedStdout().rfind("GLFW [65537]", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Requests, WindowDevice,
                         ::testing::Values(kBackendD3D12, kBackendD3D11, kBackendMetal, -1,
                                           kBackendOpenGLES));

TEST(WindowDevice, PrimaryBackendRequestGivesAVulkanDevice) {
    Window window;
    void* native = window.create();
    ASSERT_NE(native, nullptr);
    WGPUDevice device = window.createDevice(native, kBackendAny);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(g_backendType, kBackendVulkan);
    window.destroy();
    glfwTerminate();
}

TEST(DeviceErrors, PrintTheMessageAloneOnALine) {
    WGPUAdapter adapter = selectAdapter(kBackendNull, 0);
    ASSERT_NE(adapter, nullptr);
    WGPUDevice device = createDeviceWithErrorPrinter(adapter);
    ASSERT_NE(device, nullptr);

    ::testing::internal::CaptureStdout();
    WGPUBufferDescriptor descriptor{};
    descriptor.usage = WGPUBufferUsage_MapRead | WGPUBufferUsage_MapWrite;
    descriptor.size = 16;
    WGPUBuffer buffer = wgpuDeviceCreateBuffer(device, &descriptor);
    wgpuDeviceTick(device);
    const std::string printed = ::testing::internal::GetCapturedStdout();

    ASSERT_GT(printed.size(), 1u);
    EXPECT_EQ(printed.back(), '\n');
    EXPECT_NE(printed.find("MapRead"), std::string::npos) << printed;
    EXPECT_EQ(printed.find('\n'), printed.size() - 1) << printed;
    wgpuBufferRelease(buffer);
    wgpuDeviceRelease(device);
    wgpuAdapterRelease(adapter);
}

TEST(ProgramStartUp, WithoutAVulkanDriverExitsOneSilently) {
    ChildProcess program({TALLOWICK_BINARY}, {{{"VK_ICD_FILENAMES", "/nonexistent.json"},
                                               {"VK_DRIVER_FILES", "/nonexistent.json"}},
                                              {}});
    EXPECT_EQ(program.wait(30000), 1);
    EXPECT_EQ(program.output(), "");
}
