#pragma once

#include <string>

// Where the CPU time of the running program's frames goes on lavapipe: the
// real program, past its first frame, sampled by perf for some seconds, its
// samples put down to the library (DSO) they were taken in.
struct ProfileOptions {
    std::string program;
    int seconds = 10;
    double ownAndDawnGoal = 6.0; // per cent
};
int runProfileBench(const ProfileOptions& options);
