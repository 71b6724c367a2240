#pragma once

// The renderer's WebGPU calls land in the test executable first (it defines
// the same symbols), which records them and passes them on to the library.
// Creation and release calls keep a reference count per object, so a test can
// tell whether everything handed out was released exactly once.

#include <webgpu.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

enum class WgpuOp {
    SetPipeline,
    SetBindGroup,
    SetVertexBuffer,
    SetIndexBuffer,
    SetViewport,
    SetScissorRect,
    SetBlendConstant,
    DrawIndexed,
    WriteBuffer,
    CopyBufferToTexture,
    CreateBuffer,
    CreateBindGroup,
    Marker,
};

struct WgpuCall {
    explicit WgpuCall(WgpuOp op_, const void* object_ = nullptr) : op(op_), object(object_) {}
    WgpuOp op;
    const void* object = nullptr; // pipeline, bind group, buffer, texture
    uint64_t u[5] = {};
    double f[6] = {};
    std::string label;
    std::vector<uint8_t> bytes; // data of a buffer write
};

struct WgpuCallLog {
    std::vector<WgpuCall> calls;
    // Live references per object, from creation (or wgpuDeviceGetQueue) to release.
    std::map<const void*, int> references;
    std::map<const void*, std::string> kinds;
    int releasesOfDeadObjects = 0;
    // The last sampler asked for: with a single-level texture its minifying
    // and level settings show in no picture.
    WGPUSamplerDescriptor sampler{};
    // Likewise the faces of the last pipeline, and the entries of every bind
    // group layout and bind group made since clear().
    WGPUPrimitiveState primitive{};
    std::vector<WGPUBindGroupLayoutEntry> layoutEntries;
    std::vector<WGPUBindGroupEntry> groupEntries;

    void clear() {
        calls.clear();
        layoutEntries.clear();
        groupEntries.clear();
    }
    std::vector<WgpuCall> of(WgpuOp op) const;
    // Live references held, in total and per kind ("buffer", "queue", ...).
    int liveReferences() const;
    std::map<std::string, int> liveByKind() const;
    void mark(uint64_t id);
};

extern WgpuCallLog g_wgpuLog;
