#include "PrivateXServer.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

PrivateXServer::PrivateXServer(int depth) {
    start(depth);
}

PrivateXServer::~PrivateXServer() {
    stop();
}

// Xvfb picks a display number no other server holds and writes it once it
// accepts connections, so no other test's server is ever taken for this one.
bool PrivateXServer::start(int depth) {
    int numberPipe[2];
    if (pipe(numberPipe) != 0) {
        return false;
    }
    const std::string screen = "1280x720x" + std::to_string(depth);
    const pid_t pid = fork();
    if (pid < 0) {
        close(numberPipe[0]);
        close(numberPipe[1]);
        return false;
    }
    if (pid == 0) {
        close(numberPipe[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        const std::string numberFd = std::to_string(numberPipe[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", numberFd.c_str(), "-screen", "0", screen.c_str(),
               "-noreset", "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(numberPipe[1]);
    serverPid = pid;
    std::string number;
    pollfd readable{numberPipe[0], POLLIN, 0};
    char c = 0;
    // A loaded machine may take a while to start it.
    while (poll(&readable, 1, 60000) > 0 && read(numberPipe[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(numberPipe[0]);
    if (number.empty()) {
        stop();
        return false;
    }
    name = ":" + number;
    return true;
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
