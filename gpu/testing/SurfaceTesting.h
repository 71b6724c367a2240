#pragma once

// For tests and benchmarks only, which bring the program's parts up more than
// once in a process: the window surface is made at most once per process.

// Releases the window surface and forgets it, its format and configuration,
// so that the next createNativeSwapChainImpl makes another. Call before the
// surface's device is released, as the WebGPU library needs; configure the
// next surface before taking frames from it. The surface's connection is
// closed at the next call, once that device is gone.
void releaseSwapChainForTesting();
