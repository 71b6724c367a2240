#include "Device.h"
#include "Surface.h"
#include "SurfaceTesting.h"
#include "Window.h"

#include "NativeHandle.h"
#include "PrivateXServer.h"
#include "Process.h"
#include "X11Driver.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

TEST(BackendRequest, AnythingAboveSixMeansThePrimaryBackend) {
    EXPECT_EQ(resolveBackendRequest(kBackendAny), kBackendVulkan);
    EXPECT_EQ(resolveBackendRequest(7), kBackendVulkan);
    EXPECT_EQ(resolveBackendRequest(1000), kBackendVulkan);
    for (int request = -3; request <= 6; ++request) {
        EXPECT_EQ(resolveBackendRequest(request), request);
    }
}

// Vulkan, OpenGL and OpenGL ES through Mesa (lavapipe, llvmpipe over EGL)
// where there is no GPU; the library offers its OpenGL adapters only to a
// request at the Compatibility feature level.
TEST(AdapterSelection, FindsTheAdaptersThisBuildHas) {
    for (int backend : {kBackendVulkan, kBackendNull, kBackendOpenGL, kBackendOpenGLES}) {
        WGPUAdapter adapter = selectAdapter(backend, 0);
        ASSERT_NE(adapter, nullptr) << backend;
        EXPECT_EQ(adapterBackend(adapter), backend);
        wgpuAdapterRelease(adapter);
    }
}

TEST(AdapterSelection, MissingBackendsGiveNothingUnlessAFallbackIsNamed) {
    EXPECT_EQ(selectAdapter(kBackendD3D12, 0), nullptr);
    EXPECT_EQ(selectAdapter(-1, 0), nullptr);
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
                         ::testing::Values(kBackendD3D12, kBackendD3D11, kBackendMetal, -1));

namespace {
struct WindowDeviceOf : ::testing::TestWithParam<std::pair<int, int>> {
    void SetUp() override { ::testing::internal::CaptureStdout(); }
    // Without a device the window is gone and GLFW terminated already.
    void TearDown() override {
        const std::string output = ::testing::internal::GetCapturedStdout();
        if (device == nullptr) {
            return;
        }
        wgpuDeviceTick(device);
        EXPECT_EQ(output, "") << "device errors";
        releaseSwapChainForTesting();
        wgpuDeviceRelease(device);
        window.destroy();
        glfwTerminate();
    }
    Window window;
    WGPUDevice device = nullptr;
};
} // namespace

// A request for a back end that exists gives a device on it whose window
// surface shows frames, without a word on standard output.
TEST_P(WindowDeviceOf, ExistingBackendGivesADeviceThatPresents) {
    const auto [requested, expected] = GetParam();
    void* native = window.create();
    ASSERT_NE(native, nullptr);
    device = window.createDevice(native, requested);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(g_backendType, expected);
    WGPUSurface surface = window.createSwapChain(device);
    ASSERT_NE(surface, nullptr);
    for (int frame = 0; frame < 3; ++frame) {
        FrameTarget target;
        ASSERT_TRUE(acquireFrameTarget(surface, target));
        EXPECT_EQ(wgpuTextureGetWidth(target.texture), kSurfaceWidth);
        presentFrameTarget(surface, target);
    }
}

INSTANTIATE_TEST_SUITE_P(Requests, WindowDeviceOf,
                         ::testing::Values(std::pair{kBackendAny, kBackendVulkan},
                                           std::pair{kBackendVulkan, kBackendVulkan},
                                           std::pair{kBackendOpenGL, kBackendOpenGL},
                                           std::pair{kBackendOpenGLES, kBackendOpenGLES}));

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
    // Dawn ends its message with a line break: no empty line follows it.
    const std::string ownLine = scope.message.substr(0, scope.message.find_last_not_of('\n') + 1);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), ownLine + "\n");

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

// A window another client destroyed before its surface was made counts as
// closed: no word of the program's own (the WebGPU library may print some).
TEST(ProgramStartUp, AWindowDestroyedBeforeItsSurfaceCountsAsClosed) {
    Window window;
    void* native = window.create();
    ASSERT_NE(native, nullptr);
    X11Driver().destroyWindow(nativeWindowOf(window.getGlfwWindow()).window);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(window.createDevice(native, kBackendVulkan), nullptr);
    EXPECT_EQ(::testing::internal::GetCapturedStderr().find("Tallowick"), std::string::npos);
    EXPECT_TRUE(window.closedBeforeShown());
}

namespace {
// The program with a WebGPU library that fails in the given way; the
// sanitizer runtime lets a library come before it. Whatever the library does,
// it ends as without an adapter: status 1, nothing on standard output and the
// reason as the last line of standard error.
void expectNoAdapterPathWith(const char* failingLibrary, const std::string& why) {
    const char* sanitizerOptions = std::getenv("ASAN_OPTIONS");
    std::string options = sanitizerOptions != nullptr ? sanitizerOptions : "";
    options += (options.empty() ? "" : ":") + std::string("verify_asan_link_order=0");
    ChildProcess program({TALLOWICK_BINARY},
                         {{{"LD_PRELOAD", failingLibrary}, {"ASAN_OPTIONS", options}}, {}},
                         {{}, true});
    EXPECT_EQ(program.wait(60000), 1);
    EXPECT_EQ(program.output(), "");
    const std::string reason = "Tallowick cannot run: " + why + "\n";
    const std::string& errors = program.errorOutput();
    EXPECT_TRUE(errors.size() >= reason.size() &&
                errors.compare(errors.size() - reason.size(), reason.size(), reason) == 0)
        << errors;
}
} // namespace

TEST(ProgramStartUp, WithoutAWebGpuInstanceTakesTheNoAdapterPath) {
    expectNoAdapterPathWith(NO_INSTANCE_SHIM, "no graphics adapter of the Vulkan back end");
}

TEST(ProgramStartUp, AnAdapterRequestLeftUnansweredTakesTheNoAdapterPathSayingSo) {
    expectNoAdapterPathWith(SILENT_ADAPTER_SHIM, "the request for a graphics adapter of the "
                                                 "Vulkan back end had no answer within 10 seconds");
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
