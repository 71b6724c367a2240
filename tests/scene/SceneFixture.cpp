#include "SceneFixture.h"

#include "Device.h"
#include "Surface.h"
#include "SurfaceTesting.h"

#include <GLFW/glfw3.h>
#include <dlfcn.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

FrameRecord g_frameRecord;

extern "C" WGPURenderPassEncoder
wgpuCommandEncoderBeginRenderPass(WGPUCommandEncoder commandEncoder,
                                  WGPURenderPassDescriptor const* descriptor) {
    if (g_frameRecord.recording) {
        ++g_frameRecord.renderPasses;
        if (descriptor->colorAttachmentCount > 0) {
            g_frameRecord.clearValue = descriptor->colorAttachments[0].clearValue;
        }
    }
    using Real = WGPURenderPassEncoder (*)(WGPUCommandEncoder, WGPURenderPassDescriptor const*);
    static const Real real =
        reinterpret_cast<Real>(dlsym(RTLD_NEXT, "wgpuCommandEncoderBeginRenderPass"));
    if (g_frameRecord.rejectPasses && descriptor->colorAttachmentCount > 0) {
        WGPURenderPassColorAttachment attachment = descriptor->colorAttachments[0];
        attachment.clearValue.r = std::nan("");
        WGPURenderPassDescriptor rejected = *descriptor;
        rejected.colorAttachmentCount = 1;
        rejected.colorAttachments = &attachment;
        return real(commandEncoder, &rejected);
    }
    return real(commandEncoder, descriptor);
}

namespace {
constexpr double kVertices[3][2] = {{-0.8, -0.8}, {0.8, -0.8}, {-0.0, 0.8}};
constexpr double kPi = 3.141592653589793;

struct Point {
    double x, y;
};

Point turned(Point p, double degrees) {
    const double rads = degrees * kPi / 180.0;
    return {p.x * std::cos(rads) - p.y * std::sin(rads),
            p.x * std::sin(rads) + p.y * std::cos(rads)};
}

Point toScreen(Point clip) {
    return {(clip.x + 1.0) * 640.0, (1.0 - clip.y) * 360.0};
}

Point toClip(double px, double py) {
    return {(px + 0.5) / 640.0 - 1.0, 1.0 - (py + 0.5) / 360.0};
}

int channel(double value) {
    return static_cast<int>(std::lround(value * 255.0));
}

enum class Coverage { Inside, Outside, OnEdge };

// The colour the pixel should show; edges, where rasterisation rules decide,
// are left out.
Coverage expectedAt(const Picture& picture, int px, int py, X11Driver::Rgb& rgb) {
    Point v[3];
    for (int i = 0; i < 3; ++i) {
        v[i] = turned({kVertices[i][0], kVertices[i][1]}, picture.angleDegrees);
    }
    const Point p = toClip(px, py);
    const double area =
        (v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[2].x - v[0].x) * (v[1].y - v[0].y);
    double weight[3];
    for (int i = 0; i < 3; ++i) {
        const Point& a = v[(i + 1) % 3];
        const Point& b = v[(i + 2) % 3];
        weight[i] = ((a.x - p.x) * (b.y - p.y) - (b.x - p.x) * (a.y - p.y)) / area;
    }
    const double margin = 0.01;
    if (weight[0] > margin && weight[1] > margin && weight[2] > margin) {
        double r = 0, g = 0, b = 0;
        for (int i = 0; i < 3; ++i) {
            r += weight[i] * picture.colors[i].x;
            g += weight[i] * picture.colors[i].y;
            b += weight[i] * picture.colors[i].z;
        }
        rgb = {channel(r), channel(g), channel(b)};
        return Coverage::Inside;
    }
    if (weight[0] < -margin || weight[1] < -margin || weight[2] < -margin) {
        rgb = {channel(picture.clear.x), channel(picture.clear.y), channel(picture.clear.z)};
        return Coverage::Outside;
    }
    return Coverage::OnEdge;
}

struct Sample {
    int x, y;
    X11Driver::Rgb rgb;
    Coverage coverage;
};

std::vector<Sample> samplesFor(const Picture& picture) {
    std::vector<Point> points = {{3, 3}, {1276, 3}, {3, 716}, {1276, 716}, {640, 360}};
    // Near each vertex of the expected triangle and of the triangle turned the
    // other way, and between them.
    for (double angle : {picture.angleDegrees, -picture.angleDegrees}) {
        Point v[3];
        for (int i = 0; i < 3; ++i) {
            v[i] = turned({kVertices[i][0], kVertices[i][1]}, angle);
        }
        const Point centroid{(v[0].x + v[1].x + v[2].x) / 3.0, (v[0].y + v[1].y + v[2].y) / 3.0};
        points.push_back(toScreen(centroid));
        for (int i = 0; i < 3; ++i) {
            const Point& a = v[i];
            const Point& b = v[(i + 1) % 3];
            points.push_back(
                toScreen({a.x + 0.08 * (centroid.x - a.x), a.y + 0.08 * (centroid.y - a.y)}));
            const Point middle{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0};
            points.push_back(toScreen({middle.x + 0.3 * (centroid.x - middle.x),
                                       middle.y + 0.3 * (centroid.y - middle.y)}));
        }
    }
    std::vector<Sample> samples;
    for (const Point& point : points) {
        Sample sample{static_cast<int>(point.x), static_cast<int>(point.y), {}, Coverage::OnEdge};
        if (sample.x < 0 || sample.y < 0 || sample.x >= 1280 || sample.y >= 720) {
            continue;
        }
        sample.coverage = expectedAt(picture, sample.x, sample.y, sample.rgb);
        if (sample.coverage != Coverage::OnEdge) {
            samples.push_back(sample);
        }
    }
    return samples;
}

// Interpolation across the triangle may round either way.
int toleranceFor(Coverage coverage) {
    return coverage == Coverage::Inside ? 3 : 1;
}

bool near(const X11Driver::Rgb& shown, const Sample& sample) {
    const int tolerance = toleranceFor(sample.coverage);
    return std::abs(shown.r - sample.rgb.r) <= tolerance &&
           std::abs(shown.g - sample.rgb.g) <= tolerance &&
           std::abs(shown.b - sample.rgb.b) <= tolerance;
}

struct ScopeResult {
    bool done = false;
    std::string message;
};

void onScopePopped(WGPUPopErrorScopeStatus, WGPUErrorType type, WGPUStringView message,
                   void* result, void*) {
    auto* scope = static_cast<ScopeResult*>(result);
    if (type != WGPUErrorType_NoError && message.data != nullptr) {
        scope->message.assign(message.data, message.length == WGPU_STRLEN
                                                ? std::strlen(message.data)
                                                : message.length);
    }
    scope->done = true;
}
} // namespace

void SceneOnWindow::bringUp(int backend) {
    g_frameRecord = FrameRecord{};
    native = window.create();
    ASSERT_NE(native, nullptr);
    ::testing::internal::CaptureStdout();
    capturing = true;
    device = window.createDevice(native, backend);
    ASSERT_NE(device, nullptr);
    surface = window.createSwapChain(device);
    ASSERT_NE(surface, nullptr);

    scene = std::make_unique<Scene>();
    // The triangle alone; the panel over it has tests of its own.
    scene->setShowUI(false);
    scene->setDevice(device);
    scene->setQueue(wgpuDeviceGetQueue(device));
    wgpuSurfaceAddRef(surface);
    scene->setSwapChain(surface);
    window.show();
}

void SceneOnScreen::SetUp() {
    ASSERT_NO_FATAL_FAILURE(bringUp(kBackendAny));
    scene->createPipelineAndBuffers();
}

void SceneOnNullDevice::SetUp() {
    ASSERT_NO_FATAL_FAILURE(bringUp(kBackendNull));
}

// Also after a failed bring-up, so that the next test starts afresh: a failed
// device bring-up has already destroyed the window and terminated GLFW.
void SceneOnWindow::TearDown() {
    if (device != nullptr) {
        wgpuDeviceTick(device);
    }
    if (capturing) {
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "") << "device errors";
        capturing = false;
    }
    // The scene lets its surface go before its device, as the library needs.
    releaseSwapChainForTesting();
    if (scene != nullptr) {
        scene.reset();
    } else if (device != nullptr) {
        wgpuDeviceRelease(device);
    }
    if (device != nullptr) {
        window.destroy();
    }
    glfwTerminate();
    g_frameRecord = FrameRecord{};
}

void SceneOnWindow::renderFrames(int count) {
    for (int frame = 0; frame < count; ++frame) {
        glfwPollEvents();
        EXPECT_TRUE(scene->render(0.0));
    }
}

Picture SceneOnWindow::expectedPicture() const {
    Picture picture;
    picture.angleDegrees = scene->getRotationDegrees();
    picture.colors[0] = scene->getVertex1Color();
    picture.colors[1] = scene->getVertex2Color();
    picture.colors[2] = scene->getVertex3Color();
    picture.clear = scene->getClearColor();
    return picture;
}

void SceneOnWindow::expectShows(const Picture& picture) {
    const std::vector<Sample> samples = samplesFor(picture);
    X11Driver x11;
    std::vector<X11Driver::Rgb> shown(samples.size());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        glfwPollEvents();
        bool all = true;
        for (size_t i = 0; i < samples.size(); ++i) {
            shown[i] = x11.pixel(samples[i].x, samples[i].y);
            all = all && near(shown[i], samples[i]);
        }
        if (all) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    for (size_t i = 0; i < samples.size(); ++i) {
        const Sample& s = samples[i];
        const int tolerance = toleranceFor(s.coverage);
        EXPECT_NEAR(shown[i].r, s.rgb.r, tolerance) << "at " << s.x << "," << s.y;
        EXPECT_NEAR(shown[i].g, s.rgb.g, tolerance) << "at " << s.x << "," << s.y;
        EXPECT_NEAR(shown[i].b, s.rgb.b, tolerance) << "at " << s.x << "," << s.y;
    }
}

std::string SceneOnWindow::validationErrorsOf(const std::function<void()>& work) {
    wgpuDevicePushErrorScope(device, WGPUErrorFilter_Validation);
    work();
    ScopeResult scope;
    WGPUPopErrorScopeCallbackInfo callbackInfo{};
    callbackInfo.mode = WGPUCallbackMode_AllowProcessEvents;
    callbackInfo.callback = onScopePopped;
    callbackInfo.userdata1 = &scope;
    wgpuDevicePopErrorScope(device, callbackInfo);
    while (!scope.done) {
        wgpuInstanceProcessEvents(gpuInstance());
    }
    return scope.message;
}
