#pragma once

// The program's WebGPU creation, reference and release calls land in the test
// executable first (it defines the same symbols), which counts the references
// held per kind of object and passes every call on to the library. Counting
// only: nothing grows however long a test runs.

#include <array>
#include <string>

enum class GpuKind {
    Device,
    Queue,
    Surface,
    Buffer,
    Texture,
    TextureView,
    Sampler,
    ShaderModule,
    BindGroupLayout,
    PipelineLayout,
    RenderPipeline,
    BindGroup,
    CommandEncoder,
    RenderPass,
    CommandBuffer,
    Count,
};

constexpr int kGpuKindCount = static_cast<int>(GpuKind::Count);

const char* gpuKindName(GpuKind kind);

struct GpuObjectCounts {
    // References held now, and references ever handed out, per kind.
    std::array<long, kGpuKindCount> live{};
    std::array<long, kGpuKindCount> created{};

    long totalLive() const;
    // "buffer 6, queue 1" for the kinds with references held.
    std::string describeLive() const;
};

GpuObjectCounts gpuObjectCounts();
