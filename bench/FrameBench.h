#pragma once

#include <string>

// Frame time of the full program frame against the bare frame, on one back
// end, in alternating blocks; then the heap allocations per frame of each.
struct FrameOptions {
    int backend = 0;
    std::string backendName;
    int blocks = 10;
    int blockFrames = 100;
    // Frames at the start of each block left out: they may still wait for the
    // other kind's frames in flight.
    int settleFrames = 5;
    int warmupFrames = 200;
    int countedFrames = 1000;
};
int runFrameBench(const FrameOptions& options);

// Resident memory of the full program on the null back end after a warm-up,
// and its growth over many frames.
struct MemoryOptions {
    int warmupFrames = 2000;
    int frames = 100000;
    bool bare = false;
};
int runMemoryBench(const MemoryOptions& options);

// Frames of one kind and nothing else, for a profiler to watch.
struct LoopOptions {
    int backend = 0;
    int frames = 1000;
    bool bare = false;
    bool hidePanel = false;
};
int runLoop(const LoopOptions& options);
