#pragma once

#include "StringView.h"

#include <webgpu.h>

#include <cstddef>
#include <cstdint>

// A shader module made from WGSL source text (null-terminated), with an
// optional label.
inline WGPUShaderModule createWgslModule(WGPUDevice device, const char* source,
                                         const char* label = nullptr) {
    WGPUShaderSourceWGSL wgsl{};
    wgsl.chain.sType = WGPUSType_ShaderSourceWGSL;
    wgsl.code = stringView(source);
    WGPUShaderModuleDescriptor desc{};
    desc.nextInChain = &wgsl.chain;
    desc.label = stringView(label);
    return wgpuDeviceCreateShaderModule(device, &desc);
}

// A shader module made from SPIR-V words.
inline WGPUShaderModule createSpirvModule(WGPUDevice device, const uint32_t* words,
                                          size_t word_count) {
    WGPUShaderSourceSPIRV spirv{};
    spirv.chain.sType = WGPUSType_ShaderSourceSPIRV;
    spirv.codeSize = static_cast<uint32_t>(word_count);
    spirv.code = words;
    WGPUShaderModuleDescriptor desc{};
    desc.nextInChain = &spirv.chain;
    return wgpuDeviceCreateShaderModule(device, &desc);
}
