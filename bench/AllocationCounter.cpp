#include "AllocationCounter.h"

#include <execinfo.h>
#include <link.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The executable's own definitions of the allocation functions come before
// the C library's for every library of the process; they count and hand the
// request on to the C library's allocator.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void* __libc_valloc(std::size_t size);
void* __libc_pvalloc(std::size_t size);
void __libc_free(void* memory);
}

namespace {
std::atomic<bool> g_counting{false};
std::atomic<std::uint64_t> g_allocations{0};
std::atomic<std::uint64_t> g_ownAllocations{0};
// Set while this thread is inside the attribution, whose own allocations
// (the unwinder's, on its first use) are not looked at.
thread_local bool t_attributing = false;

struct Ranges {
    static constexpr int kMax = 32;
    std::uintptr_t begin[kMax];
    std::uintptr_t end[kMax];
    int count = 0;
    bool contains(void* address) const {
        const auto a = reinterpret_cast<std::uintptr_t>(address);
        for (int i = 0; i < count; ++i) {
            if (a >= begin[i] && a < end[i]) {
                return true;
            }
        }
        return false;
    }
};
// The executable's code, and the runtime's (C, C++ and unwinder libraries)
// through which the program's and the libraries' requests alike pass.
Ranges g_ownCode;
Ranges g_runtimeCode;

int noteCode(dl_phdr_info* info, size_t, void*) {
    const char* name = info->dlpi_name;
    Ranges* target = nullptr;
    if (name == nullptr || name[0] == '\0') {
        target = g_ownCode.count == 0 ? &g_ownCode : nullptr;
    } else if (std::strstr(name, "/libc.so") != nullptr ||
               std::strstr(name, "/libstdc++.so") != nullptr ||
               std::strstr(name, "/libgcc_s.so") != nullptr) {
        target = &g_runtimeCode;
    }
    for (int i = 0; target != nullptr && i < info->dlpi_phnum && target->count < Ranges::kMax;
         ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && (segment.p_flags & PF_X) != 0) {
            target->begin[target->count] = info->dlpi_addr + segment.p_vaddr;
            target->end[target->count] = target->begin[target->count] + segment.p_memsz;
            ++target->count;
        }
    }
    return 0;
}

__attribute__((noinline)) void attribute() {
    if (t_attributing) {
        return;
    }
    t_attributing = true;
    void* frames[48];
    const int depth = backtrace(frames, 48);
    // frames[0] is here, frames[1] the allocation function, then its caller.
    for (int i = 2; i < depth; ++i) {
        if (g_runtimeCode.contains(frames[i])) {
            continue;
        }
        if (g_ownCode.contains(frames[i])) {
            g_ownAllocations.fetch_add(1, std::memory_order_relaxed);
        }
        break;
    }
    t_attributing = false;
}

inline void note() {
    if (g_counting.load(std::memory_order_relaxed)) {
        g_allocations.fetch_add(1, std::memory_order_relaxed);
        attribute();
    }
}
} // namespace

namespace allocations {
void startCounting() {
    if (g_ownCode.count == 0) {
        dl_iterate_phdr(noteCode, nullptr);
        // The unwinder is loaded on its first use.
        void* frames[4];
        backtrace(frames, 4);
    }
    g_allocations.store(0);
    g_ownAllocations.store(0);
    g_counting.store(true);
}

void stopCounting() {
    g_counting.store(false);
}

std::uint64_t counted() {
    return g_allocations.load();
}

std::uint64_t countedFromOwnCode() {
    return g_ownAllocations.load();
}
} // namespace allocations

extern "C" {
void* malloc(std::size_t size) {
    note();
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) {
    note();
    return __libc_calloc(count, size);
}

void* realloc(void* memory, std::size_t size) {
    note();
    return __libc_realloc(memory, size);
}

void* reallocarray(void* memory, std::size_t count, std::size_t size) {
    std::size_t bytes = 0;
    if (__builtin_mul_overflow(count, size, &bytes)) {
        errno = ENOMEM;
        return nullptr;
    }
    return realloc(memory, bytes);
}

void free(void* memory) {
    __libc_free(memory);
}

void* memalign(std::size_t alignment, std::size_t size) {
    note();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) {
    note();
    return __libc_memalign(alignment, size);
}

void* valloc(std::size_t size) {
    note();
    return __libc_valloc(size);
}

void* pvalloc(std::size_t size) {
    note();
    return __libc_pvalloc(size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size) {
    if (alignment == 0 || alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0) {
        return EINVAL;
    }
    note();
    void* memory = __libc_memalign(alignment, size);
    if (memory == nullptr) {
        return ENOMEM;
    }
    *result = memory;
    return 0;
}
}
