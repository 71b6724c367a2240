#include "StartupBench.h"

#include "BareFrame.h"
#include "Report.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

extern char** environ;

namespace {
using Clock = std::chrono::steady_clock;

// A point of the window that both first frames clear and nothing covers: the
// program's panel sits at the top left, the triangle's corners are further in.
constexpr int kProbeX = 1270;
constexpr int kProbeY = 710;
constexpr double kTimeoutSeconds = 60.0;

int channelOf(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = __builtin_ctzl(mask);
    const unsigned long max = mask >> shift;
    return static_cast<int>(((pixel & mask) >> shift) * 255 / max);
}

// Whether the screen shows the clear colour at the probe point.
bool showsFirstFrame(Display* display) {
    XImage* image =
        XGetImage(display, DefaultRootWindow(display), kProbeX, kProbeY, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0);
    const int rgb[3] = {channelOf(pixel, image->red_mask), channelOf(pixel, image->green_mask),
                        channelOf(pixel, image->blue_mask)};
    XDestroyImage(image);
    for (int i = 0; i < 3; ++i) {
        if (std::abs(rgb[i] - static_cast<int>(std::lround(BareFrame::kClear[i] * 255.0))) > 2) {
            return false;
        }
    }
    return true;
}

pid_t launch(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    // The program echoes events on standard output; nothing here needs them.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

bool waitUntilCleared(Display* display) {
    const Clock::time_point start = Clock::now();
    while (showsFirstFrame(display)) {
        if (Clock::now() - start > std::chrono::seconds(5)) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Seconds from just before the process is started to the first poll that
// finds its first frame on the screen; negative on failure.
double timeToFirstFrame(Display* display, const std::vector<std::string>& args) {
    if (!waitUntilCleared(display)) {
        std::fprintf(stderr, "the screen still shows an earlier frame\n");
        return -1.0;
    }
    const Clock::time_point start = Clock::now();
    const pid_t pid = launch(args);
    if (pid < 0) {
        std::fprintf(stderr, "cannot start %s\n", args[0].c_str());
        return -1.0;
    }
    double seconds = -1.0;
    for (;;) {
        if (showsFirstFrame(display)) {
            seconds = std::chrono::duration<double>(Clock::now() - start).count();
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before its first frame\n", args[0].c_str());
            return -1.0;
        }
        if (std::chrono::duration<double>(Clock::now() - start).count() > kTimeoutSeconds) {
            std::fprintf(stderr, "%s showed no frame\n", args[0].c_str());
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    stop(pid);
    XSync(display, False);
    return seconds;
}
} // namespace

int runStartupBench(const StartupOptions& options) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const std::vector<std::string> program = {options.program};
    const std::vector<std::string> bare = {options.self, "--bare-startup"};

    // One of each first, uncounted: the files they load reach the page cache.
    if (timeToFirstFrame(display, program) < 0.0 || timeToFirstFrame(display, bare) < 0.0) {
        XCloseDisplay(display);
        return 1;
    }
    std::vector<double> programTimes;
    std::vector<double> bareTimes;
    for (int run = 0; run < options.runs; ++run) {
        const bool programFirst = run % 2 == 0;
        const double first = timeToFirstFrame(display, programFirst ? program : bare);
        const double second = timeToFirstFrame(display, programFirst ? bare : program);
        if (first < 0.0 || second < 0.0) {
            XCloseDisplay(display);
            return 1;
        }
        programTimes.push_back(programFirst ? first : second);
        bareTimes.push_back(programFirst ? second : first);
    }
    XCloseDisplay(display);

    const Summary programSummary = summarize(programTimes);
    const Summary bareSummary = summarize(bareTimes);
    const double ratio = programSummary.median / bareSummary.median;
    const std::string runs = " (" + std::to_string(options.runs) + " runs)";
    printRow("start-up to first frame, lavapipe: bare" + runs, formatSeconds(bareSummary.median),
             formatSeconds(bareSummary.p95));
    printRow("start-up to first frame, lavapipe: program" + runs,
             formatSeconds(programSummary.median), formatSeconds(programSummary.p95),
             formatNumber(ratio), "<= " + formatNumber(options.ratioGoal),
             metText(ratio <= options.ratioGoal));
    return 0;
}
