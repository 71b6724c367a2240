#include "ProfileBench.h"

#include "Launch.h"
#include "Report.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

// What the samples are put down to, by the library they were taken in.
enum Share {
    kOwn,
    kDawn,
    kRuntimeOnProgramThread,
    kLavapipe,
    kKernel,
    kWindowing,
    kOther,
    kShares
};

const char* const kShareNames[kShares] = {
    "program's own code",
    "Dawn (libwebgpu_wrapper.so)",
    "C and C++ runtime on the program's thread (any caller)",
    "lavapipe (its JIT-compiled shaders included)",
    "kernel",
    "GLFW, Xlib, xcb",
    "other (the runtime on the driver's threads among it)",
};

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string trimmed(const std::string& text) {
    const size_t begin = text.find_first_not_of(' ');
    const size_t end = text.find_last_not_of(' ');
    return begin == std::string::npos ? "" : text.substr(begin, end - begin + 1);
}

std::string baseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Share shareOf(const std::string& dso, const std::string& thread, const std::string& program) {
    const std::string programName = baseName(program);
    if (dso == programName) {
        return kOwn;
    }
    if (startsWith(dso, "libwebgpu_wrapper")) {
        return kDawn;
    }
    if (startsWith(dso, "libc.so") || startsWith(dso, "libstdc++") || startsWith(dso, "libgcc_s") ||
        startsWith(dso, "libm.so") || startsWith(dso, "ld-linux")) {
        // The main thread is named after the program (at most 15 characters).
        return programName.compare(0, 15, thread) == 0 ? kRuntimeOnProgramThread : kOther;
    }
    if (startsWith(dso, "libvulkan_lvp") || startsWith(dso, "[JIT]") ||
        startsWith(dso, "libLLVM") || startsWith(dso, "libgallium")) {
        return kLavapipe;
    }
    if (startsWith(dso, "[kernel")) {
        return kKernel;
    }
    if (startsWith(dso, "libglfw") || startsWith(dso, "libX") || startsWith(dso, "libxcb")) {
        return kWindowing;
    }
    return kOther;
}

// The window of an earlier run may still show a frame of the same colour.
void waitUntilCleared(Display* display) {
    const Clock::time_point start = Clock::now();
    while (showsFirstFrame(display) && Clock::now() - start < std::chrono::seconds(5)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool waitForFirstFrame(Display* display, pid_t pid) {
    const Clock::time_point start = Clock::now();
    while (!showsFirstFrame(display)) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid ||
            Clock::now() - start > std::chrono::minutes(1)) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

bool runToEnd(const std::vector<std::string>& args) {
    const pid_t pid = launch(args);
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// Samples per share, from perf's report by thread and library: lines of
// "percentage;samples;thread;library". False when there are none.
bool countSamples(const std::string& data, const std::string& program, double samples[kShares]) {
    const std::string command =
        "perf report -i '" + data + "' --stdio --sort comm,dso -q -n -t ';' 2>/dev/null";
    FILE* report = popen(command.c_str(), "r");
    if (report == nullptr) {
        return false;
    }
    char line[1024];
    bool counted = false;
    while (std::fgets(line, sizeof(line), report) != nullptr) {
        std::vector<std::string> fields;
        std::istringstream stream(line);
        std::string field;
        while (std::getline(stream, field, ';')) {
            fields.push_back(trimmed(field));
        }
        if (fields.size() >= 4) {
            samples[shareOf(trimmed(fields[3].substr(0, fields[3].find('\n'))), fields[2],
                            program)] += std::strtod(fields[1].c_str(), nullptr);
            counted = true;
        }
    }
    return pclose(report) == 0 && counted;
}

void printShares(const ProfileOptions& options, const double samples[kShares]) {
    double total = 0.0;
    for (int share = 0; share < kShares; ++share) {
        total += samples[share];
    }
    const std::string what = "frames' CPU time, lavapipe, by library (perf, " +
                             std::to_string(options.seconds) + " s, " +
                             formatNumber(total, "%.0f") + " samples): ";
    auto percent = [total](double count) { return 100.0 * count / total; };
    for (int share = 0; share < kShares; ++share) {
        printRow(what + kShareNames[share], formatNumber(percent(samples[share]), "%.2f %%"), "");
        if (share == kDawn) {
            const double ownAndDawn = percent(samples[kOwn] + samples[kDawn]);
            printRow(what + "program's own code and Dawn", formatNumber(ownAndDawn, "%.2f %%"), "",
                     "", "< " + formatNumber(options.ownAndDawnGoal, "%.0f %%"),
                     metText(ownAndDawn < options.ownAndDawnGoal));
        }
    }
}
} // namespace

int runProfileBench(const ProfileOptions& options) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    char data[] = "/tmp/tallowick-profile-XXXXXX";
    const int fd = mkstemp(data);
    if (fd < 0) {
        XCloseDisplay(display);
        return 1;
    }
    close(fd);

    waitUntilCleared(display);
    const pid_t program = launch({options.program});
    bool ok = program > 0 && waitForFirstFrame(display, program);
    if (ok) {
        // A second of frames first: what start-up left behind settles.
        std::this_thread::sleep_for(std::chrono::seconds(1));
        ok = runToEnd({"perf", "record", "-q", "-e", "cpu-clock", "-F", "1000", "-p",
                       std::to_string(program), "-o", data, "--", "sleep",
                       std::to_string(options.seconds)});
        if (!ok) {
            std::fprintf(stderr, "perf could not record the program (is linux-perf installed, "
                                 "and may this user profile its processes?)\n");
        }
    }
    if (program > 0) {
        stop(program);
    }
    XCloseDisplay(display);

    double samples[kShares] = {};
    ok = ok && countSamples(data, options.program, samples);
    unlink(data);
    if (!ok) {
        printRow("frames' CPU time, lavapipe, by library: not measured", "", "", "",
                 "< " + formatNumber(options.ownAndDawnGoal, "%.0f %%"), "NO");
        return 1;
    }
    printShares(options, samples);
    return 0;
}
