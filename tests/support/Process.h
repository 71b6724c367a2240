#pragma once

#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

// A child process with its standard output read through a pipe.
class ChildProcess {
  public:
    struct Options {
        std::vector<std::pair<std::string, std::string>> setEnv;
        std::vector<std::string> unsetEnv;
    };

    ChildProcess(const std::vector<std::string>& argv, const Options& options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Reads what the child has written, waiting up to timeoutMs for more.
    void pump(int timeoutMs);
    // Waits until the output holds needle; false on timeout.
    bool waitForOutput(const std::string& needle, int timeoutMs);
    // Waits for the child to exit and returns its exit status, or -1 when it
    // had to be killed after timeoutMs, or 128 + signal when a signal ended it.
    int wait(int timeoutMs);
    bool running();
    pid_t pid() const { return childPid; }
    const std::string& output() const { return collected; }

  private:
    pid_t childPid = -1;
    int outputFd = -1;
    int exitStatus = -1;
    bool exited = false;
    std::string collected;
};
