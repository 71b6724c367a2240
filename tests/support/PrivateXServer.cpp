#include "PrivateXServer.h"

#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

PrivateXServer::PrivateXServer(int depth) {
    // Display numbers apart from the ones the test scripts pick; one already
    // taken makes the server exit, and the next number is tried.
    const int first = 600 + static_cast<int>(getpid() % 300);
    for (int number = first; number < first + 20 && !ready(); ++number) {
        const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
        if (access(lock.c_str(), F_OK) != 0) {
            start(number, depth);
        }
    }
}

PrivateXServer::~PrivateXServer() {
    stop();
}

bool PrivateXServer::start(int number, int depth) {
    const std::string candidate = ":" + std::to_string(number);
    const std::string screen = "1280x720x" + std::to_string(depth);
    const pid_t pid = fork();
    if (pid < 0) {
        return false;
    }
    if (pid == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execlp("Xvfb", "Xvfb", candidate.c_str(), "-screen", "0", screen.c_str(), "-noreset",
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    serverPid = pid;
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            serverPid = -1;
            return false;
        }
        if (Display* connection = XOpenDisplay(candidate.c_str())) {
            XCloseDisplay(connection);
            name = candidate;
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    stop();
    return false;
}

void PrivateXServer::stop() {
    if (serverPid > 0) {
        kill(serverPid, SIGTERM);
        waitpid(serverPid, nullptr, 0);
        serverPid = -1;
    }
}

DisplayOverride::DisplayOverride(const std::string& display) {
    if (const char* current = std::getenv("DISPLAY")) {
        hadDisplay = true;
        previous = current;
    }
    setenv("DISPLAY", display.c_str(), 1);
}

DisplayOverride::~DisplayOverride() {
    if (hadDisplay) {
        setenv("DISPLAY", previous.c_str(), 1);
    } else {
        unsetenv("DISPLAY");
    }
}
