#include "Device.h"
#include "Surface.h"
#include "Window.h"

#include "PrivateXServer.h"
#include "Process.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <string>

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
    // The surface belongs to this window's display, which goes with GLFW.
    releaseSwapChainForTesting();
    wgpuDeviceRelease(device);
    window.destroy();
    glfwTerminate();
}

namespace {
WGPUBuffer createInvalidBuffer(WGPUDevice device) {
    WGPUBufferDescriptor descriptor{};
    descriptor.usage = WGPUBufferUsage_MapRead | WGPUBufferUsage_MapWrite;
    descriptor.size = 16;
    return wgpuDeviceCreateBuffer(device, &descriptor);
}

struct ScopeResult {
    bool done = false;
    std::string message;
};

void onScopePopped(WGPUPopErrorScopeStatus, WGPUErrorType, WGPUStringView message, void* result,
                   void*) {
    auto* scope = static_cast<ScopeResult*>(result);
    scope->message.assign(message.data, message.length);
    scope->done = true;
}
} // namespace

TEST(DeviceErrors, PrintTheMessageAloneOnALine) {
    WGPUAdapter adapter = selectAdapter(kBackendNull, 0);
    ASSERT_NE(adapter, nullptr);
    WGPUDevice device = createDeviceWithErrorPrinter(adapter);
    ASSERT_NE(device, nullptr);

    // The library's own words for the error, caught by an error scope.
    wgpuDevicePushErrorScope(device, WGPUErrorFilter_Validation);
    WGPUBuffer caught = createInvalidBuffer(device);
    ScopeResult scope;
    WGPUPopErrorScopeCallbackInfo callbackInfo{};
    callbackInfo.mode = WGPUCallbackMode_AllowProcessEvents;
    callbackInfo.callback = onScopePopped;
    callbackInfo.userdata1 = &scope;
    wgpuDevicePopErrorScope(device, callbackInfo);
    while (!scope.done) {
        wgpuInstanceProcessEvents(gpuInstance());
    }
    ASSERT_FALSE(scope.message.empty());

    ::testing::internal::CaptureStdout();
    WGPUBuffer printed = createInvalidBuffer(device);
    wgpuDeviceTick(device);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), scope.message + "\n");

    wgpuBufferRelease(caught);
    wgpuBufferRelease(printed);
    wgpuDeviceRelease(device);
    wgpuAdapterRelease(adapter);
}

// Standard output stays as it is described, empty; the reason goes to
// standard error.
TEST(ProgramStartUp, WithoutAVulkanDriverExitsOneSayingWhyOnStandardError) {
    ChildProcess program(
        {TALLOWICK_BINARY},
        {{{"VK_ICD_FILENAMES", "/nonexistent.json"}, {"VK_DRIVER_FILES", "/nonexistent.json"}}, {}},
        {{}, true});
    EXPECT_EQ(program.wait(30000), 1);
    EXPECT_EQ(program.output(), "");
    // The Vulkan loader and the library report what they miss there first.
    const std::string reason =
        "\nTallowick cannot run: no graphics adapter of the Vulkan back end\n";
    const std::string& errors = program.errorOutput();
    EXPECT_TRUE(errors.size() >= reason.size() &&
                errors.compare(errors.size() - reason.size(), reason.size(), reason) == 0)
        << errors;
}

namespace {
struct ScreenDepth : ::testing::TestWithParam<int> {};
} // namespace

// Mesa's surfaces offer no format on screens of these depths.
TEST_P(ScreenDepth, TheSurfaceCannotPresentToEndsTheProgramSayingWhy) {
    PrivateXServer server(GetParam());
    ASSERT_TRUE(server.ready());
    ChildProcess program({TALLOWICK_BINARY}, {{{"DISPLAY", server.display()}}, {}}, {{}, true});
    EXPECT_EQ(program.wait(30000), 1);
    EXPECT_EQ(program.output(), "");
    EXPECT_EQ(program.errorOutput(),
              "Tallowick cannot run: the Vulkan device cannot present to a window of depth " +
                  std::to_string(GetParam()) + " on this display\n");
}

INSTANTIATE_TEST_SUITE_P(UnusualScreens, ScreenDepth, ::testing::Values(8, 15, 16, 30));
