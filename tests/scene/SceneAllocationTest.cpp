#include "SceneFixture.h"

#include <execinfo.h>
#include <link.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

// Every operator new of the process comes through here. While counting, an
// allocation is put down to whoever called into the C++ library for it: this
// program (the scene among it) or a library it uses, such as the WebGPU
// implementation, whose own bookkeeping is not the scene's.
namespace {
struct Range {
    uintptr_t begin = 0;
    uintptr_t end = 0;
};
constexpr int kMaxRanges = 16;
struct Ranges {
    Range ranges[kMaxRanges];
    int count = 0;
    bool contains(void* address) const {
        const auto a = reinterpret_cast<uintptr_t>(address);
        for (int i = 0; i < count; ++i) {
            if (a >= ranges[i].begin && a < ranges[i].end) {
                return true;
            }
        }
        return false;
    }
};

Ranges g_program;
Ranges g_cxxLibrary;
std::atomic<bool> g_counting{false};
std::atomic<int> g_programAllocations{0};
std::atomic<int> g_allAllocations{0};

int noteCodeOf(dl_phdr_info* info, size_t, void*) {
    // The program itself is listed first, without a name.
    const bool program = info->dlpi_name == nullptr || info->dlpi_name[0] == '\0';
    Ranges* target = nullptr;
    if (program) {
        target = g_program.count == 0 ? &g_program : nullptr;
    } else if (std::strstr(info->dlpi_name, "libstdc++") != nullptr) {
        target = &g_cxxLibrary;
    }
    if (target == nullptr) {
        return 0;
    }
    for (int i = 0; i < info->dlpi_phnum && target->count < kMaxRanges; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && (segment.p_flags & PF_X) != 0) {
            const uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
            target->ranges[target->count++] = {begin, begin + segment.p_memsz};
        }
    }
    return 0;
}

__attribute__((noinline)) void noteAllocation(void* caller) {
    if (!g_counting.load(std::memory_order_relaxed)) {
        return;
    }
    ++g_allAllocations;
    if (!g_cxxLibrary.contains(caller)) {
        if (g_program.contains(caller)) {
            ++g_programAllocations;
        }
        return;
    }
    void* frames[64];
    const int depth = backtrace(frames, 64);
    int i = 0;
    while (i < depth && frames[i] != caller) {
        ++i;
    }
    for (++i; i < depth; ++i) {
        if (!g_cxxLibrary.contains(frames[i])) {
            if (g_program.contains(frames[i])) {
                ++g_programAllocations;
            }
            return;
        }
    }
}

void* allocate(std::size_t size) {
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return memory;
}

void startCounting() {
    g_programAllocations = 0;
    g_allAllocations = 0;
    g_counting = true;
}

void stopCounting() {
    g_counting = false;
}
} // namespace

void* operator new(std::size_t size) {
    noteAllocation(__builtin_return_address(0));
    return allocate(size);
}

void* operator new[](std::size_t size) {
    noteAllocation(__builtin_return_address(0));
    return allocate(size);
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {
class SceneFrameAllocations : public SceneOnNullDevice {
  protected:
    void SetUp() override {
        SceneOnNullDevice::SetUp();
        if (g_program.count == 0) {
            dl_iterate_phdr(noteCodeOf, nullptr);
        }
        // The unwinder loads on its first use.
        void* frames[4];
        backtrace(frames, 4);
    }
};
} // namespace

TEST_F(SceneFrameAllocations, AreCountedForThisProgramsOwnCode) {
    ASSERT_GT(g_program.count, 0);
    ASSERT_GT(g_cxxLibrary.count, 0);
    startCounting();
    std::vector<int> numbers(100);
    std::string text(100, 'x');
    auto* single = new int(1);
    stopCounting();
    EXPECT_GE(g_programAllocations, 3);
    delete single;
    EXPECT_EQ(numbers.size() + text.size(), 200u);
}

TEST_F(SceneFrameAllocations, NoneAreTheScenesOnceItRuns) {
    scene->createPipelineAndBuffers();
    SceneTestAccess::setRotationSpeed(*scene, 1.0f);
    renderFrames(50);

    startCounting();
    for (int frame = 0; frame < 300; ++frame) {
        scene->render(0.0);
    }
    stopCounting();
    EXPECT_EQ(g_programAllocations, 0);
    // The count saw the library's allocations for the same frames.
    EXPECT_GT(g_allAllocations, 0);
}
