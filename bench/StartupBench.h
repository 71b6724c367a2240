#pragma once

#include <string>

// Process start to first presented frame: the program against the bare
// start-up, each launched as a process of its own, alternating.
struct StartupOptions {
    int runs = 7;
    std::string program;
    std::string self;
    double ratioGoal = 1.3;
};
int runStartupBench(const StartupOptions& options);
