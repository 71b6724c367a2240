// tallowick_bench: what a frame, a start-up, memory and the heap cost the
// program, against a bare WebGPU baseline measured in the same run.
//
//   tallowick_bench frames --backend vulkan|null [--blocks N] [--block-frames N]
//   tallowick_bench memory [--frames N] [--bare]
//   tallowick_bench startup [--runs N] [--program PATH]
//   tallowick_bench startup-phases [--runs N] [--program PATH]
//   tallowick_bench profile [--seconds N]
//   tallowick_bench --bare-startup
//   tallowick_bench loop --backend vulkan|null [--frames N] [--bare | --hide-panel]
//       (frames of one kind and nothing else, for profilers)
//
// Each prints rows of a table: what, median, p95, ratio, goal, met.
#include "BareStartup.h"
#include "FrameBench.h"
#include "ProfileBench.h"
#include "StartupBench.h"

#include "Device.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

namespace {
int usage() {
    std::fprintf(stderr, "usage: tallowick_bench frames --backend vulkan|null [--blocks N] "
                         "[--block-frames N]\n"
                         "       tallowick_bench memory [--frames N] [--bare]\n"
                         "       tallowick_bench startup [--runs N] [--program PATH]\n"
                         "       tallowick_bench startup-phases [--runs N] [--program PATH]\n"
                         "       tallowick_bench profile [--seconds N]\n"
                         "       tallowick_bench --bare-startup\n"
                         "       tallowick_bench loop --backend vulkan|null [--frames N] [--bare | "
                         "--hide-panel]\n");
    return 2;
}

bool positive(const char* text, int& value) {
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed <= 0 || parsed > 100000000) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

std::string selfPath(const char* argv0) {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) {
        return argv0;
    }
    path[length] = '\0';
    return path;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    const std::string mode = argv[1];
    if (mode == "--bare-startup" && argc == 2) {
        return runBareStartup();
    }

    FrameOptions frames;
    MemoryOptions memory;
    LoopOptions loop;
    StartupOptions startup;
    ProfileOptions profile;
    profile.program = TALLOWICK_BINARY;
    startup.program = TALLOWICK_BINARY;
    startup.self = selfPath(argv[0]);
    bool haveBackend = false;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        bool ok = true;
        if (option == "--hide-panel" && mode == "loop") {
            loop.hidePanel = true;
            continue;
        }
        if (option == "--bare" && (mode == "memory" || mode == "loop")) {
            memory.bare = true;
            loop.bare = true;
            continue;
        }
        if (value == nullptr) {
            return usage();
        }
        ++i;
        if (option == "--backend" && mode == "loop") {
            haveBackend = true;
            const std::string name = value;
            ok = name == "vulkan" || name == "null";
            loop.backend = name == "vulkan" ? kBackendVulkan : kBackendNull;
        } else if (option == "--frames" && mode == "loop") {
            ok = positive(value, loop.frames);
        } else if (option == "--backend" && mode == "frames") {
            haveBackend = true;
            frames.backendName = value;
            if (frames.backendName == "vulkan") {
                frames.backend = kBackendVulkan;
                frames.backendName = "lavapipe";
            } else if (frames.backendName == "null") {
                frames.backend = kBackendNull;
            } else {
                ok = false;
            }
        } else if (option == "--blocks" && mode == "frames") {
            ok = positive(value, frames.blocks);
        } else if (option == "--block-frames" && mode == "frames") {
            ok = positive(value, frames.blockFrames);
        } else if (option == "--frames" && mode == "memory") {
            ok = positive(value, memory.frames);
        } else if (option == "--runs" && (mode == "startup" || mode == "startup-phases")) {
            ok = positive(value, startup.runs);
        } else if (option == "--seconds" && mode == "profile") {
            ok = positive(value, profile.seconds);
        } else if (option == "--program" && (mode == "startup" || mode == "startup-phases")) {
            startup.program = value;
        } else {
            ok = false;
        }
        if (!ok) {
            return usage();
        }
    }

    if (mode == "frames" && haveBackend) {
        return runFrameBench(frames);
    }
    if (mode == "loop" && haveBackend) {
        return runLoop(loop);
    }
    if (mode == "memory") {
        return runMemoryBench(memory);
    }
    if (mode == "startup") {
        return runStartupBench(startup);
    }
    if (mode == "profile") {
        return runProfileBench(profile);
    }
    if (mode == "startup-phases") {
        return runStartupPhasesBench(startup);
    }
    return usage();
}
