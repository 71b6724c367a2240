#pragma once

#include <cstdint>

// Counts the heap allocations of the whole process: every call of the C
// library's allocation functions (which the C++ operator new also comes
// through), from any thread and any library, while counting is on.
//
// While counting, each allocation is also put down to whoever asked the C or
// C++ runtime for it: the program's own code (everything linked into this
// executable: scene, UI bindings, Dear ImGui, platform and GPU code) or a
// shared library (Dawn, the Vulkan driver, Xlib, GLFW...).
namespace allocations {
void startCounting();
void stopCounting();
std::uint64_t counted();
std::uint64_t countedFromOwnCode();
} // namespace allocations
