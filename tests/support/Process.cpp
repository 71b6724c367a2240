#include "Process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const Options& options) {
    int fds[2];
    if (pipe(fds) != 0) {
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
}

ChildProcess::~ChildProcess() {
    if (!exited && childPid > 0) {
        kill(childPid, SIGKILL);
        waitpid(childPid, nullptr, 0);
    }
    if (outputFd >= 0) {
        close(outputFd);
    }
}

void ChildProcess::pump(int timeoutMs) {
    if (outputFd < 0) {
        return;
    }
    pollfd pfd{outputFd, POLLIN, 0};
    int wait = timeoutMs;
    while (poll(&pfd, 1, wait) > 0) {
        char buffer[4096];
        const ssize_t count = read(outputFd, buffer, sizeof buffer);
        if (count <= 0) {
            close(outputFd);
            outputFd = -1;
            return;
        }
        collected.append(buffer, static_cast<size_t>(count));
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
    while (outputFd >= 0) {
        pump(50);
    }
    return exitStatus;
}
