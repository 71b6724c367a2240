#pragma once

#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

// A child process with its standard output read through a pipe, and its
// standard error too when asked.
class ChildProcess {
  public:
    struct Options {
        std::vector<std::pair<std::string, std::string>> setEnv;
        std::vector<std::string> unsetEnv;
    };
    struct Streams {
        // Descriptors of the child's that are closed before it starts.
        std::vector<int> closed;
        bool captureErrors = false;
    };

    ChildProcess(const std::vector<std::string>& argv, const Options& options);
    ChildProcess(const std::vector<std::string>& argv, const Options& options,
                 const Streams& streams);
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
    // Stops reading the child's standard output, as a reader that goes away.
    void closeOutput();
    pid_t pid() const { return childPid; }
    const std::string& output() const { return collected; }
    const std::string& errorOutput() const { return collectedErrors; }

  private:
    pid_t childPid = -1;
    int outputFd = -1;
    int errorFd = -1;
    std::string collectedErrors;
    int exitStatus = -1;
    bool exited = false;
    std::string collected;
};

// The program the program-level tests start: TALLOWICK_PROGRAM when set (for
// instance the launcher of the Windows program under wine), else builtProgram.
std::string programUnderTest(const char* builtProgram);

// This process's resident memory in bytes.
long residentBytes();
