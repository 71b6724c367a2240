// The UI renderer's two programs as shader modules: one implementation per
// program form, chosen by the build (TALLOWICK_UI_PROGRAMS): SPIR-V
// (ShaderModulesSpirv.cpp) on the desktop, WGSL (ShaderModulesWgsl.cpp) for
// browsers, which take WGSL only. Both have the same interface: vertex inputs
// at locations 0 (position), 1 (texture coordinate), 2 (colour); the
// projection at group 0 binding 0, the sampler at group 0 binding 1, the
// texture at group 1 binding 0; the colour at location 0; entry points "main".
#pragma once

#include <webgpu.h>

#include <cstddef>
#include <cstdint>

// New modules on the device, released by the caller.
WGPUShaderModule ImGui_ImplWGPU_CreateVertexModule(WGPUDevice device);
WGPUShaderModule ImGui_ImplWGPU_CreateFragmentModule(WGPUDevice device);

// SPIR-V builds only: the words the modules are made from, for tests.
const uint32_t* ImGui_ImplWGPU_VertexProgram(size_t* word_count);
const uint32_t* ImGui_ImplWGPU_FragmentProgram(size_t* word_count);
