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

// The same two start-ups taken apart: where each one's time goes, phase by
// phase (medians over the runs), and what an X round trip and an X connection
// cost on this server. The phases end at GLFW and WebGPU calls that the
// start-up probe (StartupProbe.cpp), preloaded into both, stands in front of.
int runStartupPhasesBench(const StartupOptions& options);
