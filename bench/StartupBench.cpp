#include "StartupBench.h"

#include "BareFrame.h"
#include "Launch.h"
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
#include <string>
#include <thread>
#include <utility>
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

} // namespace

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

pid_t launch(const std::vector<std::string>& args, int outputFd) {
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outputFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
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

namespace {
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
// finds its first frame on the screen; negative on failure. With outputFd,
// the process's standard output goes there; start tells when it was started.
double timeToFirstFrame(Display* display, const std::vector<std::string>& args, int outputFd = -1,
                        Clock::time_point* startedAt = nullptr) {
    if (!waitUntilCleared(display)) {
        std::fprintf(stderr, "the screen still shows an earlier frame\n");
        return -1.0;
    }
    const Clock::time_point start = Clock::now();
    if (startedAt != nullptr) {
        *startedAt = start;
    }
    const pid_t pid = launch(args, outputFd);
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

namespace {
// One start-up taken apart: each phase the probe marked, in its order, with
// the seconds since the end of the one before (the first since the launch),
// then the wait until the screen showed the frame.
using Phases = std::vector<std::pair<std::string, double>>;

Phases readPhases(int fd, Clock::time_point start) {
    std::string text;
    char buffer[4096];
    ssize_t length = 0;
    while ((length = read(fd, buffer, sizeof(buffer))) > 0) {
        text.append(buffer, static_cast<size_t>(length));
    }
    Phases phases;
    double previous = std::chrono::duration<double>(start.time_since_epoch()).count();
    size_t begin = 0;
    for (size_t end = text.find('\n'); end != std::string::npos;
         begin = end + 1, end = text.find('\n', begin)) {
        const std::string line = text.substr(begin, end - begin);
        const size_t space = line.find(' ');
        if (space == std::string::npos) {
            continue;
        }
        const double at = std::strtod(line.substr(0, space).c_str(), nullptr) * 1e-9;
        phases.emplace_back(line.substr(space + 1), at - previous);
        previous = at;
    }
    return phases;
}

bool timePhases(Display* display, const std::vector<std::string>& args, Phases& phases) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        return false;
    }
    Clock::time_point start;
    const double seconds = timeToFirstFrame(display, args, ends[1], &start);
    close(ends[1]);
    phases = readPhases(ends[0], start);
    close(ends[0]);
    if (seconds < 0.0 || phases.empty()) {
        return false;
    }
    double marked = 0.0;
    for (const auto& phase : phases) {
        marked += phase.second;
    }
    phases.emplace_back("until the screen shows the first frame", seconds - marked);
    phases.emplace_back("total: process start to first frame on screen", seconds);
    return true;
}

// Every run's seconds for each phase, in the order the phases came.
struct PhaseTable {
    std::vector<std::string> names;
    std::vector<std::vector<double>> seconds;

    void add(const Phases& phases) {
        for (const auto& phase : phases) {
            size_t i = 0;
            while (i < names.size() && names[i] != phase.first) {
                ++i;
            }
            if (i == names.size()) {
                names.push_back(phase.first);
                seconds.emplace_back();
            }
            seconds[i].push_back(phase.second);
        }
    }

    void print(const std::string& who) const {
        for (size_t i = 0; i < names.size(); ++i) {
            const Summary summary = summarize(seconds[i]);
            printRow("start-up, " + who + ": " + names[i], formatSeconds(summary.median),
                     formatSeconds(summary.p95));
        }
    }
};

// What one X round trip and one more connection to the server cost here.
void printXCosts(Display* display) {
    std::vector<double> roundTrips;
    for (int i = 0; i < 200; ++i) {
        const Clock::time_point start = Clock::now();
        XSync(display, False);
        roundTrips.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::vector<double> connections;
    for (int i = 0; i < 20; ++i) {
        const Clock::time_point start = Clock::now();
        Display* another = XOpenDisplay(XDisplayString(display));
        if (another != nullptr) {
            XCloseDisplay(another);
        }
        connections.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    const Summary roundTrip = summarize(roundTrips);
    const Summary connection = summarize(connections);
    printRow("X round trip (XSync, 200 times)", formatSeconds(roundTrip.median),
             formatSeconds(roundTrip.p95));
    printRow("X connection opened and closed (20 times)", formatSeconds(connection.median),
             formatSeconds(connection.p95));
}
} // namespace

int runStartupPhasesBench(const StartupOptions& options) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    // Both start-ups run as they are, the probe preloaded into each.
    setenv("LD_PRELOAD", TALLOWICK_STARTUP_PROBE, 1);
    const std::vector<std::string> program = {options.program};
    const std::vector<std::string> bare = {options.self, "--bare-startup"};
    PhaseTable programTable;
    PhaseTable bareTable;
    Phases phases;
    // One of each first, uncounted: the files they load reach the page cache.
    bool ok = timePhases(display, program, phases) && timePhases(display, bare, phases);
    for (int run = 0; ok && run < options.runs; ++run) {
        const bool programFirst = run % 2 == 0;
        for (int turn = 0; ok && turn < 2; ++turn) {
            const bool isProgram = (turn == 0) == programFirst;
            ok = timePhases(display, isProgram ? program : bare, phases);
            (isProgram ? programTable : bareTable).add(phases);
        }
    }
    if (ok) {
        const std::string runs = " (" + std::to_string(options.runs) + " runs)";
        bareTable.print("bare" + runs);
        programTable.print("program" + runs);
        printXCosts(display);
    }
    unsetenv("LD_PRELOAD");
    XCloseDisplay(display);
    return ok ? 0 : 1;
}
