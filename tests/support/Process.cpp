#include "Process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const Options& options)
    : ChildProcess(argv, options, Streams()) {}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const Options& options,
                           const Streams& streams) {
    int fds[2];
    int errorFds[2] = {-1, -1};
    if (pipe(fds) != 0 || (streams.captureErrors && pipe(errorFds) != 0)) {
        throw std::runtime_error("pipe failed");
    }
    childPid = fork();
    if (childPid < 0) {
        throw std::runtime_error("fork failed");
    }
    if (childPid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        if (streams.captureErrors) {
            dup2(errorFds[1], STDERR_FILENO);
            close(errorFds[0]);
            close(errorFds[1]);
        }
        for (const int descriptor : streams.closed) {
            close(descriptor);
        }
        for (const auto& [name, value] : options.setEnv) {
            setenv(name.c_str(), value.c_str(), 1);
        }
        for (const auto& name : options.unsetEnv) {
            unsetenv(name.c_str());
        }
        std::vector<char*> args;
        for (const auto& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(fds[1]);
    outputFd = fds[0];
    if (streams.captureErrors) {
        close(errorFds[1]);
        errorFd = errorFds[0];
    }
}

ChildProcess::~ChildProcess() {
    if (!exited && childPid > 0) {
        kill(childPid, SIGKILL);
        waitpid(childPid, nullptr, 0);
    }
    closeOutput();
    if (errorFd >= 0) {
        close(errorFd);
    }
}

void ChildProcess::closeOutput() {
    if (outputFd >= 0) {
        close(outputFd);
        outputFd = -1;
    }
}

namespace {
// Appends what the descriptor has to the text; closes it and sets it to -1 at
// its end.
void readInto(int& fd, std::string& text) {
    char buffer[4096];
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count <= 0) {
        close(fd);
        fd = -1;
        return;
    }
    text.append(buffer, static_cast<size_t>(count));
}
} // namespace

void ChildProcess::pump(int timeoutMs) {
    int wait = timeoutMs;
    while (outputFd >= 0 || errorFd >= 0) {
        pollfd pfds[2] = {{outputFd, POLLIN, 0}, {errorFd, POLLIN, 0}};
        if (poll(pfds, 2, wait) <= 0) {
            return;
        }
        if (pfds[0].revents != 0) {
            readInto(outputFd, collected);
        }
        if (pfds[1].revents != 0) {
            readInto(errorFd, collectedErrors);
        }
        wait = 0;
    }
}

bool ChildProcess::waitForOutput(const std::string& needle, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (collected.find(needle) == std::string::npos) {
        if (std::chrono::steady_clock::now() > deadline || (outputFd < 0 && !running())) {
            return false;
        }
        pump(20);
    }
    return true;
}

bool ChildProcess::running() {
    if (exited) {
        return false;
    }
    int status = 0;
    if (waitpid(childPid, &status, WNOHANG) == childPid) {
        exited = true;
        exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

int ChildProcess::wait(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (running()) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(childPid, SIGKILL);
            waitpid(childPid, nullptr, 0);
            exited = true;
            exitStatus = -1;
            break;
        }
        pump(20);
    }
    while (outputFd >= 0 || errorFd >= 0) {
        pump(50);
    }
    return exitStatus;
}

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

std::string programUnderTest(const char* builtProgram) {
    const char* chosen = std::getenv("TALLOWICK_PROGRAM");
    return chosen != nullptr && *chosen != '\0' ? chosen : builtProgram;
}
