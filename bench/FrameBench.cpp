#include "FrameBench.h"

#include "AllocationCounter.h"
#include "BareFrame.h"
#include "Report.h"

#include "Device.h"
#include "Scene.h"
#include "Surface.h"
#include "SurfaceTesting.h"
#include "Window.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

// The program brought up as app/main.cpp does it, on the requested back end.
struct Program {
    Window window;
    GLFWwindow* glfwWindow = nullptr;
    WGPUDevice device = nullptr;
    std::unique_ptr<Scene> scene;
};

Scene* g_scene = nullptr;

void forwardKey(int key, ButtonAction action) {
    g_scene->onKey(key, action);
}
void forwardMouseButton(MouseButton button, ButtonAction action, int x, int y) {
    g_scene->onMouseButton(button, action, x, y);
}
void forwardResize(int width, int height) {
    g_scene->onResize(width, height);
}

bool bringUp(Program& program, int backend) {
    void* native = program.window.create();
    if (native == nullptr) {
        std::fprintf(stderr, "no window\n");
        return false;
    }
    program.glfwWindow = program.window.getGlfwWindow();
    program.device = program.window.createDevice(native, backend);
    if (program.device == nullptr) {
        std::fprintf(stderr, "no device\n");
        return false;
    }
    WGPUSurface surface = program.window.createSwapChain(program.device);
    program.window.setMouseButtonCallback(forwardMouseButton);
    program.window.setKeyCallback(forwardKey);
    program.window.setResizeCallback(forwardResize);
    program.scene = std::make_unique<Scene>();
    g_scene = program.scene.get();
    program.scene->setDevice(program.device);
    program.scene->setQueue(wgpuDeviceGetQueue(program.device));
    wgpuSurfaceAddRef(surface);
    program.scene->setSwapChain(surface);
    program.scene->initUI(program.glfwWindow);
    program.scene->createPipelineAndBuffers();
    program.window.show();
    return true;
}

// The loop's state while the program's own event loop runs a block of frames.
struct LoopState {
    GLFWwindow* window = nullptr;
    int frames = 0;
    int target = 0;
    std::vector<double>* samples = nullptr;
    Clock::time_point last;
};
LoopState g_loop;

// A sample is the time from one frame's start to the next one's: a whole pass
// of the event loop, polling and presenting included.
void takeSample() {
    const Clock::time_point now = Clock::now();
    if (g_loop.samples != nullptr && g_loop.frames > 0) {
        g_loop.samples->push_back(std::chrono::duration<double>(now - g_loop.last).count());
    }
    g_loop.last = now;
}

void fullFrame(double time) {
    takeSample();
    g_scene->render(time);
    if (++g_loop.frames == g_loop.target) {
        glfwSetWindowShouldClose(g_loop.window, GLFW_TRUE);
    }
}

// The program's frames through its own event loop, Window::run.
void runFull(Program& program, int frames, std::vector<double>* samples) {
    g_loop.window = program.glfwWindow;
    g_loop.frames = 0;
    g_loop.target = frames;
    g_loop.samples = samples;
    program.window.run(fullFrame);
    glfwSetWindowShouldClose(program.glfwWindow, GLFW_FALSE);
}

// The bare frames through the least loop that keeps a window alive.
void runBare(BareFrame& bare, int frames, std::vector<double>* samples) {
    g_loop.frames = 0;
    g_loop.samples = samples;
    while (g_loop.frames < frames) {
        glfwPollEvents();
        takeSample();
        bare.render(g_surface);
        ++g_loop.frames;
    }
}

std::vector<double> dropFirst(const std::vector<double>& samples, int count) {
    if (static_cast<int>(samples.size()) <= count) {
        return {};
    }
    return std::vector<double>(samples.begin() + count, samples.end());
}

double residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

void tearDown(Program& program) {
    wgpuDeviceTick(program.device);
    releaseSwapChainForTesting();
    program.scene.reset();
    g_scene = nullptr;
    program.window.destroy();
    glfwTerminate();
}
} // namespace

int runFrameBench(const FrameOptions& options) {
    Program program;
    if (!bringUp(program, options.backend)) {
        return 1;
    }
    std::unique_ptr<BareFrame> bare =
        std::make_unique<BareFrame>(program.device, g_swapChainFormat);

    runFull(program, options.warmupFrames, nullptr);
    runBare(*bare, options.warmupFrames, nullptr);

    // Three kinds in turn, the order rotating from block to block: the full
    // frame, the bare frame, and the program's frame with its panel hidden
    // (which tells the triangle's share from the panel's).
    std::vector<double> samples[3];
    for (int block = 0; block < options.blocks; ++block) {
        for (int turn = 0; turn < 3; ++turn) {
            const int kind = (block + turn) % 3;
            std::vector<double> blockSamples;
            // +1: a block of n samples needs n + 1 frame starts.
            const int frames = options.settleFrames + options.blockFrames + 1;
            if (kind == 1) {
                runBare(*bare, frames, &blockSamples);
            } else {
                program.scene->setShowUI(kind == 0);
                runFull(program, frames, &blockSamples);
                program.scene->setShowUI(true);
            }
            for (double s : dropFirst(blockSamples, options.settleFrames)) {
                samples[kind].push_back(s);
            }
        }
    }
    const std::vector<double>& full = samples[0];
    const std::vector<double>& bareSamples = samples[1];
    const Summary hiddenSummary = summarize(samples[2]);

    // Allocations, in blocks of their own so that the count costs the timed
    // frames nothing.
    runFull(program, options.warmupFrames, nullptr);
    allocations::startCounting();
    runFull(program, options.countedFrames, nullptr);
    allocations::stopCounting();
    const double fullAllocations =
        static_cast<double>(allocations::counted()) / options.countedFrames;
    const double ownAllocations =
        static_cast<double>(allocations::countedFromOwnCode()) / options.countedFrames;
    runBare(*bare, options.warmupFrames, nullptr);
    allocations::startCounting();
    runBare(*bare, options.countedFrames, nullptr);
    allocations::stopCounting();
    const double bareAllocations =
        static_cast<double>(allocations::counted()) / options.countedFrames;

    const Summary fullSummary = summarize(full);
    const Summary bareSummary = summarize(bareSamples);
    const double ratio = fullSummary.median / bareSummary.median;
    const std::string where = options.backendName;
    printRow("frame, " + where + ": bare", formatSeconds(bareSummary.median),
             formatSeconds(bareSummary.p95));
    printRow("frame, " + where + ": full", formatSeconds(fullSummary.median),
             formatSeconds(fullSummary.p95), formatNumber(ratio));
    printRow("frame, " + where + ": panel hidden (for reference)",
             formatSeconds(hiddenSummary.median), formatSeconds(hiddenSummary.p95),
             formatNumber(hiddenSummary.median / bareSummary.median));
    // Counts over a whole block: means, which the median column shows.
    printRow("heap allocations per frame, whole process, " + where + ": bare",
             formatNumber(bareAllocations, "%.1f"), "");
    printRow("heap allocations per frame, whole process, " + where + ": full",
             formatNumber(fullAllocations, "%.1f"), "",
             "+" + formatNumber(fullAllocations - bareAllocations, "%.1f") + " over bare");
    printRow("heap allocations per frame, program's own code, " + where + ": full",
             formatNumber(ownAllocations, "%.2f"), "", "", "0", metText(ownAllocations == 0.0));

    bare.reset();
    tearDown(program);
    return 0;
}

int runMemoryBench(const MemoryOptions& options) {
    Program program;
    if (!bringUp(program, kBackendNull)) {
        return 1;
    }
    std::unique_ptr<BareFrame> bare =
        std::make_unique<BareFrame>(program.device, g_swapChainFormat);
    auto run = [&](int frames) {
        if (options.bare) {
            runBare(*bare, frames, nullptr);
        } else {
            runFull(program, frames, nullptr);
        }
    };
    run(options.warmupFrames);
    const double warm = residentBytes();
    const int step = 10000;
    double peak = warm;
    for (int done = 0; done < options.frames; done += step) {
        run(std::min(step, options.frames - done));
        peak = std::max(peak, residentBytes());
    }
    const double growth = residentBytes() - warm;
    const double mib = 1024.0 * 1024.0;
    const std::string what = options.bare ? "bare" : "full";
    printRow("resident memory after warm-up, null: " + what, formatNumber(warm / mib, "%.1f MiB"),
             "");
    printRow("resident growth over " + std::to_string(options.frames) + " frames, null: " + what,
             formatNumber(growth / mib, "%.3f MiB"),
             "peak +" + formatNumber((peak - warm) / mib, "%.3f MiB"), "", "< 1 MiB",
             metText(growth < mib));
    bare.reset();
    tearDown(program);
    return 0;
}

int runLoop(const LoopOptions& options) {
    Program program;
    if (!bringUp(program, options.backend)) {
        return 1;
    }
    std::unique_ptr<BareFrame> bare =
        std::make_unique<BareFrame>(program.device, g_swapChainFormat);
    const Clock::time_point start = Clock::now();
    if (options.bare) {
        runBare(*bare, options.frames, nullptr);
    } else {
        program.scene->setShowUI(!options.hidePanel);
        runFull(program, options.frames, nullptr);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::fprintf(stderr, "%d %s frames in %.2f s\n", options.frames, options.bare ? "bare" : "full",
                 seconds);
    bare.reset();
    tearDown(program);
    return 0;
}
