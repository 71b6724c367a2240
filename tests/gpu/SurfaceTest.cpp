#include "Surface.h"
#include "Device.h"
#include "NativeWindow.h"
#include "SurfaceTesting.h"
#include "Window.h"

#include "PrivateXServer.h"
#include "X11Driver.h"

#include <GLFW/glfw3.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

// The surface's configurations land here first: how it presents shows in no
// picture.
namespace {
std::vector<WGPUSurfaceConfiguration> g_configurations;

// The WebGPU library's own function of that name, behind the ones here.
template <typename Fn> Fn library(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C" void wgpuSurfaceConfigure(WGPUSurface surface, WGPUSurfaceConfiguration const* config) {
    g_configurations.push_back(*config);
    using Real = void (*)(WGPUSurface, WGPUSurfaceConfiguration const*);
    static const Real real = library<Real>("wgpuSurfaceConfigure");
    real(surface, config);
}

namespace {
void* g_surfaceDisplay = nullptr; // the X connection the surface was made to present over
} // namespace

extern "C" WGPUSurface wgpuInstanceCreateSurface(WGPUInstance instance,
                                                 WGPUSurfaceDescriptor const* descriptor) {
    g_surfaceDisplay =
        reinterpret_cast<const WGPUSurfaceSourceXlibWindow*>(descriptor->nextInChain)->display;
    using Real = WGPUSurface (*)(WGPUInstance, WGPUSurfaceDescriptor const*);
    static const Real real = library<Real>("wgpuInstanceCreateSurface");
    return real(instance, descriptor);
}

namespace {
WGPUSurfaceGetCurrentTextureStatus g_nextTextureStatus =
    WGPUSurfaceGetCurrentTextureStatus_SuccessOptimal;
} // namespace

// Reports the next texture with g_nextTextureStatus when that is set.
extern "C" void wgpuSurfaceGetCurrentTexture(WGPUSurface surface, WGPUSurfaceTexture* texture) {
    using Real = void (*)(WGPUSurface, WGPUSurfaceTexture*);
    static const Real real = library<Real>("wgpuSurfaceGetCurrentTexture");
    real(surface, texture);
    if (g_nextTextureStatus != WGPUSurfaceGetCurrentTextureStatus_SuccessOptimal) {
        texture->status = g_nextTextureStatus;
        g_nextTextureStatus = WGPUSurfaceGetCurrentTextureStatus_SuccessOptimal;
    }
}

namespace {
const NativeWindow& nativeOf(void* native) {
    return *static_cast<const NativeWindow*>(native);
}

class WindowSurface : public ::testing::Test {
  protected:
    void SetUp() override {
        g_configurations.clear();
        native = window.create();
        ASSERT_NE(native, nullptr);
        ::testing::internal::CaptureStdout();
        capturing = true;
        device = window.createDevice(native, kBackendAny);
        ASSERT_NE(device, nullptr);
        surface = window.createSwapChain(device);
        queue = wgpuDeviceGetQueue(device);
        window.show();
    }
    // Also after a failed set-up: a failed device bring-up has terminated GLFW.
    void TearDown() override {
        if (capturing) {
            EXPECT_EQ(::testing::internal::GetCapturedStdout(), "") << "device errors";
        }
        if (queue != nullptr) {
            wgpuQueueRelease(queue);
        }
        releaseSwapChainForTesting();
        if (device != nullptr) {
            wgpuDeviceRelease(device);
            window.destroy();
        }
        glfwTerminate();
    }

    // Clears the next surface texture to the colour and presents it.
    bool presentClear(double r, double g, double b, uint32_t* width = nullptr,
                      uint32_t* height = nullptr) {
        FrameTarget target;
        if (!acquireFrameTarget(surface, target)) {
            return false;
        }
        if (width != nullptr) {
            *width = wgpuTextureGetWidth(target.texture);
            *height = wgpuTextureGetHeight(target.texture);
        }
        WGPURenderPassColorAttachment attachment{};
        attachment.view = target.view;
        attachment.depthSlice = WGPU_DEPTH_SLICE_UNDEFINED;
        attachment.loadOp = WGPULoadOp_Clear;
        attachment.storeOp = WGPUStoreOp_Store;
        attachment.clearValue = {r, g, b, 1.0};
        WGPURenderPassDescriptor pass{};
        pass.colorAttachmentCount = 1;
        pass.colorAttachments = &attachment;
        WGPUCommandEncoder encoder = wgpuDeviceCreateCommandEncoder(device, nullptr);
        WGPURenderPassEncoder passEncoder = wgpuCommandEncoderBeginRenderPass(encoder, &pass);
        wgpuRenderPassEncoderEnd(passEncoder);
        wgpuRenderPassEncoderRelease(passEncoder);
        WGPUCommandBuffer commands = wgpuCommandEncoderFinish(encoder, nullptr);
        wgpuCommandEncoderRelease(encoder);
        wgpuQueueSubmit(queue, 1, &commands);
        wgpuCommandBufferRelease(commands);
        presentFrameTarget(surface, target);
        return true;
    }

    X11Driver::Rgb settledPixel(X11Driver& x11, int x, int y, int expectedRed) {
        X11Driver::Rgb rgb{};
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            glfwPollEvents();
            rgb = x11.pixel(x, y);
            if (std::abs(rgb.r - expectedRed) <= 1) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return rgb;
    }

    Window window;
    void* native = nullptr;
    bool capturing = false;
    WGPUDevice device = nullptr;
    WGPUSurface surface = nullptr;
    WGPUQueue queue = nullptr;
};
} // namespace

TEST_F(WindowSurface, IsConfiguredAtTheFixedSizeInALinearFormat) {
    EXPECT_TRUE(g_swapChainFormat == WGPUTextureFormat_RGBA8Unorm ||
                g_swapChainFormat == WGPUTextureFormat_BGRA8Unorm)
        << g_swapChainFormat;
    uint32_t width = 0;
    uint32_t height = 0;
    ASSERT_TRUE(presentClear(0.45, 0.55, 0.60, &width, &height));
    EXPECT_EQ(width, 1280u);
    EXPECT_EQ(height, 720u);
    ASSERT_EQ(g_configurations.size(), 1u);
    const WGPUSurfaceConfiguration& config = g_configurations[0];
    EXPECT_EQ(config.device, device);
    EXPECT_EQ(config.format, g_swapChainFormat);
    EXPECT_EQ(config.usage, WGPUTextureUsage_RenderAttachment);
    EXPECT_EQ(config.width, 1280u);
    EXPECT_EQ(config.height, 720u);
    EXPECT_EQ(config.presentMode, WGPUPresentMode_Fifo);
    EXPECT_EQ(config.viewFormatCount, 0u);
    // Lavapipe offers an opaque surface.
    EXPECT_EQ(config.alphaMode, WGPUCompositeAlphaMode_Opaque);
    // It presents over an X connection of its own, not the window's.
    EXPECT_NE(g_surfaceDisplay, nativeOf(native).display);
    EXPECT_EQ(g_surfaceDisplay, g_presentationDisplay);

    X11Driver x11;
    const X11Driver::Rgb shown = settledPixel(x11, 640, 360, 115);
    // 0.45, 0.55 and 0.60 of 255, unchanged by any sRGB encoding.
    EXPECT_NEAR(shown.r, 115, 1);
    EXPECT_NEAR(shown.g, 140, 1);
    EXPECT_NEAR(shown.b, 153, 1);
    // A surface out of date or lost is configured again before the next frame.
    for (const auto status :
         {WGPUSurfaceGetCurrentTextureStatus_Outdated, WGPUSurfaceGetCurrentTextureStatus_Lost}) {
        const size_t configurations = g_configurations.size();
        g_nextTextureStatus = status;
        EXPECT_FALSE(presentClear(0.0, 1.0, 0.0));
        EXPECT_EQ(g_configurations.size(), configurations + 1);
        EXPECT_TRUE(presentClear(0.0, 1.0, 0.0));
    }
}

TEST_F(WindowSurface, IsMadeOnceAndKeepsPresentingAfterAResize) {
    WGPUSurface first = g_surface;
    const WGPUTextureFormat firstFormat = g_swapChainFormat;
    WGPUAdapter adapter = selectAdapter(kBackendNull, 0);
    EXPECT_TRUE(createNativeSwapChainImpl(kBackendNull, adapter, device, native));
    wgpuAdapterRelease(adapter);
    EXPECT_EQ(g_surface, first);
    EXPECT_EQ(g_swapChainFormat, firstFormat);

    glfwSetWindowSize(window.getGlfwWindow(), 640, 400);
    for (int frame = 0; frame < 10; ++frame) {
        glfwPollEvents();
        uint32_t width = 0;
        uint32_t height = 0;
        if (presentClear(1.0, 0.0, 0.0, &width, &height)) {
            EXPECT_EQ(width, 1280u);
            EXPECT_EQ(height, 720u);
        }
    }
    X11Driver x11;
    EXPECT_EQ(settledPixel(x11, 100, 100, 255).r, 255);
}

TEST_F(WindowSurface, PresentingToAWindowAnotherClientDestroyedDoesNotEndTheProcess) {
    ASSERT_TRUE(presentClear(0.0, 0.0, 1.0));
    X11Driver x11;
    x11.destroyWindow(nativeOf(native).window);
    // Whatever the driver's requests about the window raise on the surface's
    // connection or the window's stays harmless; the frames may be skipped.
    for (int frame = 0; frame < 5; ++frame) {
        presentClear(1.0, 0.0, 0.0);
        glfwPollEvents();
    }
    int width = 0;
    int height = 0;
    glfwGetWindowSize(window.getGlfwWindow(), &width, &height);
    glfwPollEvents();
    EXPECT_TRUE(glfwWindowShouldClose(window.getGlfwWindow()));
}

// Every failed set-up closes the surface's own display connection.
TEST_F(WindowSurface, ForAWindowThatDoesNotExistLeavesNoConnectionOpen) {
    // Set aside, so that another surface is attempted.
    const WGPUSurface made = g_surface;
    void* const madeDisplay = g_presentationDisplay;
    g_surface = nullptr;
    NativeWindow missing = nativeOf(native);
    missing.window = 0x3fffffff; // beyond every client's range of ids
    WGPUAdapter adapter = selectAdapter(kBackendVulkan, 0);
    EXPECT_FALSE(createNativeSwapChainImpl(kBackendVulkan, adapter, device, &missing));
    wgpuAdapterRelease(adapter);
    EXPECT_EQ(g_presentationDisplay, nullptr);
    g_surface = made;
    g_presentationDisplay = madeDisplay;
}

TEST(SurfaceFormat, IsAUsualLinearOneElseAnyTheSceneAndTheUiCanDrawIn) {
    const auto choose = [](std::vector<WGPUTextureFormat> offered) {
        return chooseSurfaceFormat(offered.data(), offered.size());
    };
    // What Mesa's lavapipe offers on a screen of depth 24.
    EXPECT_EQ(choose({WGPUTextureFormat_BGRA8UnormSrgb, WGPUTextureFormat_BGRA8Unorm}),
              WGPUTextureFormat_BGRA8Unorm);
    EXPECT_EQ(choose({WGPUTextureFormat_BGRA8Unorm, WGPUTextureFormat_RGBA8Unorm}),
              WGPUTextureFormat_RGBA8Unorm);
    EXPECT_EQ(choose({WGPUTextureFormat_RGBA8UnormSrgb, WGPUTextureFormat_RGBA32Float,
                      WGPUTextureFormat_RGB10A2Unorm, WGPUTextureFormat_RGBA16Float}),
              WGPUTextureFormat_RGB10A2Unorm);
    EXPECT_EQ(choose({WGPUTextureFormat_RGBA8Uint, WGPUTextureFormat_RGBA16Float}),
              WGPUTextureFormat_RGBA16Float);
    EXPECT_EQ(choose({WGPUTextureFormat_R8Unorm, WGPUTextureFormat_BGRA8UnormSrgb}),
              WGPUTextureFormat_BGRA8UnormSrgb);
    // Nothing both can draw and blend in with all three colours.
    EXPECT_EQ(choose({WGPUTextureFormat_RGBA8Uint, WGPUTextureFormat_RGBA32Float,
                      WGPUTextureFormat_R8Unorm, WGPUTextureFormat_RG16Float}),
              WGPUTextureFormat_Undefined);
    EXPECT_EQ(choose({}), WGPUTextureFormat_Undefined);
}

// ---- what the library hands out with a surface's capabilities ---------------------------------

namespace {
struct CapabilityCounts {
    int filled = 0;
    int freed = 0;
} g_capabilities;

} // namespace

extern "C" WGPUStatus wgpuSurfaceGetCapabilities(WGPUSurface surface, WGPUAdapter adapter,
                                                 WGPUSurfaceCapabilities* capabilities) {
    using Real = WGPUStatus (*)(WGPUSurface, WGPUAdapter, WGPUSurfaceCapabilities*);
    static const Real real = library<Real>("wgpuSurfaceGetCapabilities");
    const WGPUStatus status = real(surface, adapter, capabilities);
    if (status == WGPUStatus_Success) {
        ++g_capabilities.filled;
    }
    return status;
}

extern "C" void wgpuSurfaceCapabilitiesFreeMembers(WGPUSurfaceCapabilities capabilities) {
    using Real = void (*)(WGPUSurfaceCapabilities);
    static const Real real = library<Real>("wgpuSurfaceCapabilitiesFreeMembers");
    ++g_capabilities.freed;
    real(capabilities);
}

// On a screen of depth 16 Mesa's surface offers no format, but alpha and
// present modes all the same.
TEST(SurfaceCapabilities, AreFreedAlsoWhenTheSurfaceOffersNoFormat) {
    PrivateXServer server(16);
    ASSERT_TRUE(server.ready());
    DisplayOverride display(server.display());
    Window window;
    void* native = window.create();
    ASSERT_NE(native, nullptr);
    g_capabilities = CapabilityCounts{};
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(window.createDevice(native, kBackendAny), nullptr);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("depth 16"), std::string::npos);
    EXPECT_EQ(g_capabilities.filled, 1);
    EXPECT_EQ(g_capabilities.freed, g_capabilities.filled);
    EXPECT_EQ(g_surface, nullptr);
}
