#include "SceneFixture.h"

#include "Surface.h"
#include "imgui_impl_wgpu.h"

#include <imgui.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

// The scene's calls that no picture can tell apart land here first: what they
// asked for is kept while recording, and each call goes on to the library.
namespace {
struct Upload {
    WGPUBuffer buffer;
    uint64_t offset;
    std::vector<unsigned char> bytes;
};
struct SceneCalls {
    bool recording = false;
    std::vector<WGPUBindGroupLayoutEntry> layoutEntries;
    std::vector<WGPUBindGroupEntry> groupEntries;
    int pipelines = 0;
    WGPUPrimitiveState primitive{};
    WGPUMultisampleState multisample{};
    bool depthStencil = false;
    std::vector<WGPUVertexBufferLayout> vertexBuffers;
    std::vector<WGPUVertexAttribute> attributes;
    std::string vertexEntry, fragmentEntry;
    std::vector<WGPUColorTargetState> targets;
    std::vector<WGPUBlendState> blends;
    std::vector<Upload> uploads;
    std::vector<std::vector<uint32_t>> draws;
    // Shader modules and layouts made while recording, and which of them
    // were released.
    std::vector<void*> made;
    std::vector<void*> released;
} g_calls;

template <typename F> F real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

std::string text(WGPUStringView view) {
    return view.data == nullptr
               ? std::string()
               : std::string(view.data,
                             view.length == WGPU_STRLEN ? std::strlen(view.data) : view.length);
}
} // namespace

template <typename Handle> Handle noteMade(Handle handle) {
    if (g_calls.recording) {
        g_calls.made.push_back(handle);
    }
    return handle;
}

template <typename Handle> void noteReleased(Handle handle, const char* release) {
    if (g_calls.recording) {
        g_calls.released.push_back(handle);
    }
    real<void (*)(Handle)>(release)(handle);
}

extern "C" WGPUBindGroupLayout
wgpuDeviceCreateBindGroupLayout(WGPUDevice device, WGPUBindGroupLayoutDescriptor const* desc) {
    if (g_calls.recording) {
        g_calls.layoutEntries.assign(desc->entries, desc->entries + desc->entryCount);
    }
    return noteMade(real<WGPUBindGroupLayout (*)(WGPUDevice, WGPUBindGroupLayoutDescriptor const*)>(
        "wgpuDeviceCreateBindGroupLayout")(device, desc));
}

extern "C" WGPUPipelineLayout
wgpuDeviceCreatePipelineLayout(WGPUDevice device, WGPUPipelineLayoutDescriptor const* desc) {
    return noteMade(real<WGPUPipelineLayout (*)(WGPUDevice, WGPUPipelineLayoutDescriptor const*)>(
        "wgpuDeviceCreatePipelineLayout")(device, desc));
}

extern "C" WGPUShaderModule wgpuDeviceCreateShaderModule(WGPUDevice device,
                                                         WGPUShaderModuleDescriptor const* desc) {
    return noteMade(real<WGPUShaderModule (*)(WGPUDevice, WGPUShaderModuleDescriptor const*)>(
        "wgpuDeviceCreateShaderModule")(device, desc));
}

extern "C" void wgpuBindGroupLayoutRelease(WGPUBindGroupLayout layout) {
    noteReleased(layout, "wgpuBindGroupLayoutRelease");
}
extern "C" void wgpuPipelineLayoutRelease(WGPUPipelineLayout layout) {
    noteReleased(layout, "wgpuPipelineLayoutRelease");
}
extern "C" void wgpuShaderModuleRelease(WGPUShaderModule module) {
    noteReleased(module, "wgpuShaderModuleRelease");
}

extern "C" WGPUBindGroup wgpuDeviceCreateBindGroup(WGPUDevice device,
                                                   WGPUBindGroupDescriptor const* desc) {
    if (g_calls.recording) {
        g_calls.groupEntries.assign(desc->entries, desc->entries + desc->entryCount);
    }
    return real<WGPUBindGroup (*)(WGPUDevice, WGPUBindGroupDescriptor const*)>(
        "wgpuDeviceCreateBindGroup")(device, desc);
}

extern "C" WGPURenderPipeline
wgpuDeviceCreateRenderPipeline(WGPUDevice device, WGPURenderPipelineDescriptor const* desc) {
    if (g_calls.recording) {
        SceneCalls& c = g_calls;
        ++c.pipelines;
        c.primitive = desc->primitive;
        c.multisample = desc->multisample;
        c.depthStencil = desc->depthStencil != nullptr;
        c.vertexEntry = text(desc->vertex.entryPoint);
        c.vertexBuffers.assign(desc->vertex.buffers,
                               desc->vertex.buffers + desc->vertex.bufferCount);
        for (const WGPUVertexBufferLayout& layout : c.vertexBuffers) {
            c.attributes.insert(c.attributes.end(), layout.attributes,
                                layout.attributes + layout.attributeCount);
        }
        if (desc->fragment != nullptr) {
            c.fragmentEntry = text(desc->fragment->entryPoint);
            c.targets.assign(desc->fragment->targets,
                             desc->fragment->targets + desc->fragment->targetCount);
            for (const WGPUColorTargetState& target : c.targets) {
                if (target.blend != nullptr) {
                    c.blends.push_back(*target.blend);
                }
            }
        }
    }
    return real<WGPURenderPipeline (*)(WGPUDevice, WGPURenderPipelineDescriptor const*)>(
        "wgpuDeviceCreateRenderPipeline")(device, desc);
}

extern "C" void wgpuQueueWriteBuffer(WGPUQueue queue, WGPUBuffer buffer, uint64_t offset,
                                     void const* data, size_t size) {
    if (g_calls.recording) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        g_calls.uploads.push_back({buffer, offset, {bytes, bytes + size}});
    }
    real<void (*)(WGPUQueue, WGPUBuffer, uint64_t, void const*, size_t)>("wgpuQueueWriteBuffer")(
        queue, buffer, offset, data, size);
}

extern "C" void wgpuRenderPassEncoderDrawIndexed(WGPURenderPassEncoder pass, uint32_t indexCount,
                                                 uint32_t instanceCount, uint32_t firstIndex,
                                                 int32_t baseVertex, uint32_t firstInstance) {
    if (g_calls.recording) {
        g_calls.draws.push_back({indexCount, instanceCount, firstIndex,
                                 static_cast<uint32_t>(baseVertex), firstInstance});
    }
    real<void (*)(WGPURenderPassEncoder, uint32_t, uint32_t, uint32_t, int32_t, uint32_t)>(
        "wgpuRenderPassEncoderDrawIndexed")(pass, indexCount, instanceCount, firstIndex, baseVertex,
                                            firstInstance);
}

namespace {
template <typename T> std::vector<unsigned char> bytesOf(const std::vector<T>& values) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(values.data());
    return {bytes, bytes + values.size() * sizeof(T)};
}

void expectBlend(const WGPUBlendComponent& blend, const char* which) {
    EXPECT_EQ(blend.operation, WGPUBlendOperation_Add) << which;
    EXPECT_EQ(blend.srcFactor, WGPUBlendFactor_SrcAlpha) << which;
    EXPECT_EQ(blend.dstFactor, WGPUBlendFactor_OneMinusSrcAlpha) << which;
}

// The scene's calls, recorded from a fresh state.
class SceneCallsOnNullDevice : public SceneOnNullDevice {
  protected:
    void SetUp() override {
        g_calls = SceneCalls{};
        SceneOnNullDevice::SetUp();
    }
    void TearDown() override {
        g_calls = SceneCalls{};
        SceneOnNullDevice::TearDown();
    }
};
} // namespace

// A triangle whose fragments are all opaque shows these settings in no
// picture: a blend, a face or cull mode, a coverage or index change, a bind
// group wider than its 4 bytes. So they are read from what the scene asks for.
TEST_F(SceneCallsOnNullDevice, BuildsItsPipelineBindingsAndFirstUploadsAsDescribed) {
    g_calls.recording = true;
    EXPECT_EQ(validationErrorsOf([this] { scene->createPipelineAndBuffers(); }), "");
    g_calls.recording = false;
    const SceneCalls& c = g_calls;

    ASSERT_EQ(c.layoutEntries.size(), 1u);
    const WGPUBindGroupLayoutEntry& layout = c.layoutEntries[0];
    EXPECT_EQ(layout.binding, 0u);
    EXPECT_EQ(layout.visibility, WGPUShaderStage_Vertex);
    EXPECT_EQ(layout.buffer.type, WGPUBufferBindingType_Uniform);
    EXPECT_FALSE(layout.buffer.hasDynamicOffset);
    EXPECT_EQ(layout.buffer.minBindingSize, 0u);

    ASSERT_EQ(c.groupEntries.size(), 1u);
    const WGPUBindGroupEntry& group = c.groupEntries[0];
    EXPECT_EQ(group.binding, 0u);
    EXPECT_EQ(group.buffer, scene->getUniformBuffer());
    EXPECT_EQ(group.offset, 0u);
    EXPECT_EQ(group.size, 4u);
    EXPECT_EQ(group.sampler, nullptr);
    EXPECT_EQ(group.textureView, nullptr);

    EXPECT_EQ(c.pipelines, 1);
    EXPECT_EQ(c.vertexEntry, "main");
    EXPECT_EQ(c.fragmentEntry, "main");
    ASSERT_EQ(c.vertexBuffers.size(), 1u);
    EXPECT_EQ(c.vertexBuffers[0].arrayStride, 20u);
    EXPECT_EQ(c.vertexBuffers[0].stepMode, WGPUVertexStepMode_Vertex);
    ASSERT_EQ(c.attributes.size(), 2u);
    EXPECT_EQ(c.attributes[0].format, WGPUVertexFormat_Float32x2);
    EXPECT_EQ(c.attributes[0].offset, 0u);
    EXPECT_EQ(c.attributes[0].shaderLocation, 0u);
    EXPECT_EQ(c.attributes[1].format, WGPUVertexFormat_Float32x3);
    EXPECT_EQ(c.attributes[1].offset, 8u);
    EXPECT_EQ(c.attributes[1].shaderLocation, 1u);
    EXPECT_EQ(c.primitive.topology, WGPUPrimitiveTopology_TriangleList);
    EXPECT_EQ(c.primitive.stripIndexFormat, WGPUIndexFormat_Undefined);
    EXPECT_EQ(c.primitive.frontFace, WGPUFrontFace_CCW);
    EXPECT_EQ(c.primitive.cullMode, WGPUCullMode_None);
    EXPECT_FALSE(c.depthStencil);
    EXPECT_EQ(c.multisample.count, 1u);
    EXPECT_EQ(c.multisample.mask, 0xFFFFFFFFu);
    EXPECT_FALSE(c.multisample.alphaToCoverageEnabled);
    ASSERT_EQ(c.targets.size(), 1u);
    EXPECT_EQ(c.targets[0].format, g_swapChainFormat);
    EXPECT_EQ(c.targets[0].writeMask, WGPUColorWriteMask_All);
    ASSERT_EQ(c.blends.size(), 1u);
    expectBlend(c.blends[0].color, "colour");
    expectBlend(c.blends[0].alpha, "alpha");

    // Two shader modules and two layouts, each made and let go once: only
    // the pipeline keeps them.
    EXPECT_EQ(c.made.size(), 4u);
    std::vector<void*> made = c.made;
    std::vector<void*> released = c.released;
    std::sort(made.begin(), made.end());
    std::sort(released.begin(), released.end());
    EXPECT_EQ(released, made);

    // Each buffer takes its content through the queue.
    const struct {
        WGPUBuffer buffer;
        uint64_t size;
        WGPUBufferUsage usage;
    } buffers[] = {{scene->getVertexBuffer(), 60, WGPUBufferUsage_Vertex},
                   {scene->getIndexBuffer(), 8, WGPUBufferUsage_Index},
                   {scene->getUniformBuffer(), 4, WGPUBufferUsage_Uniform}};
    for (const auto& b : buffers) {
        ASSERT_NE(b.buffer, nullptr);
        EXPECT_EQ(wgpuBufferGetSize(b.buffer), b.size);
        EXPECT_EQ(wgpuBufferGetUsage(b.buffer), b.usage | WGPUBufferUsage_CopyDst);
    }

    // The starting contents: the triangle's corners with blue, green and red,
    // four indices, and the angle.
    ASSERT_EQ(c.uploads.size(), 3u);
    EXPECT_EQ(c.uploads[0].buffer, scene->getVertexBuffer());
    EXPECT_EQ(c.uploads[0].bytes,
              bytesOf(std::vector<float>{-0.8f, -0.8f, 0.0f, 0.0f, 1.0f, 0.8f, -0.8f, 0.0f, 1.0f,
                                         0.0f, -0.0f, 0.8f, 1.0f, 0.0f, 0.0f}));
    EXPECT_EQ(c.uploads[1].buffer, scene->getIndexBuffer());
    EXPECT_EQ(c.uploads[1].bytes, bytesOf(std::vector<uint16_t>{0, 1, 2, 0}));
    EXPECT_EQ(c.uploads[2].buffer, scene->getUniformBuffer());
    EXPECT_EQ(c.uploads[2].bytes, bytesOf(std::vector<float>{0.0f}));
    for (const Upload& upload : c.uploads) {
        EXPECT_EQ(upload.offset, 0u);
    }
}

TEST_F(SceneCallsOnNullDevice, EachFrameUploadsTheAngleAndTheColouredCornersAndDrawsThreeIndices) {
    scene->createPipelineAndBuffers();
    SceneTestAccess::setRotationSpeed(*scene, 2.0f);
    SceneTestAccess::vertexColor(*scene, 0) = ImVec4(0.1f, 0.2f, 0.3f, 0.4f);
    SceneTestAccess::vertexColor(*scene, 2) = ImVec4(0.7f, 0.8f, 0.9f, 1.0f);
    g_calls.recording = true;
    EXPECT_EQ(validationErrorsOf([this] { renderFrames(1); }), "");
    g_calls.recording = false;

    ASSERT_EQ(g_calls.uploads.size(), 2u);
    EXPECT_EQ(g_calls.uploads[0].buffer, scene->getUniformBuffer());
    EXPECT_EQ(g_calls.uploads[0].bytes, bytesOf(std::vector<float>{0.2f}));
    EXPECT_EQ(g_calls.uploads[1].buffer, scene->getVertexBuffer());
    EXPECT_EQ(g_calls.uploads[1].bytes,
              bytesOf(std::vector<float>{-0.8f, -0.8f, 0.1f, 0.2f, 0.3f, 0.8f, -0.8f, 0.0f, 1.0f,
                                         0.0f, -0.0f, 0.8f, 0.7f, 0.8f, 0.9f}));
    for (const Upload& upload : g_calls.uploads) {
        EXPECT_EQ(upload.offset, 0u);
    }
    EXPECT_EQ(g_calls.draws, (std::vector<std::vector<uint32_t>>{{3, 1, 0, 0, 0}}));
}

// The null back end's surface offers BGRA8Unorm and not RGBA8Unorm: a pipeline
// built for another format than the surface's would be rejected at the first
// draw.
TEST_F(SceneOnNullDevice, RendersThousandsOfFramesWithoutErrors) {
    EXPECT_EQ(g_swapChainFormat, WGPUTextureFormat_BGRA8Unorm);
    EXPECT_EQ(validationErrorsOf([this] { scene->createPipelineAndBuffers(); }), "");
    SceneTestAccess::setRotationSpeed(*scene, 2.0f);
    EXPECT_EQ(validationErrorsOf([this] { renderFrames(5000); }), "");
    // Every one of them was drawn: 5000 steps of 0.2 degrees.
    EXPECT_NEAR(scene->getRotationDegrees(), 1000.0 - 720.0, 0.1);
}

// Whatever single format a surface offers, the one the program takes for it
// is one that the scene's pipeline and the UI renderer's are both made for
// without an error.
TEST_F(SceneOnNullDevice, BuildsItsPipelinesForEveryFormatASurfaceMayBeGiven) {
    const WGPUTextureFormat surfaceFormat = g_swapChainFormat;
    int taken = 0;
    for (uint32_t value = WGPUTextureFormat_R8Unorm; value <= WGPUTextureFormat_RGBA32Sint;
         ++value) {
        const auto offered = static_cast<WGPUTextureFormat>(value);
        const WGPUTextureFormat format = chooseSurfaceFormat(&offered, 1);
        if (format == WGPUTextureFormat_Undefined) {
            continue;
        }
        ++taken;
        g_swapChainFormat = format;
        Scene other;
        other.setDevice(device);
        other.setQueue(wgpuDeviceGetQueue(device));
        EXPECT_EQ(validationErrorsOf([&other] { other.createPipelineAndBuffers(); }), "")
            << "format " << value;
        SceneTestAccess::forgetDevice(other);

        ImGuiContext* const previous = ImGui::GetCurrentContext();
        ImGuiContext* context = ImGui::CreateContext();
        ImGui::SetCurrentContext(context);
        ASSERT_TRUE(ImGui_ImplWGPU_Init(device, 3, format));
        EXPECT_EQ(validationErrorsOf([] { ImGui_ImplWGPU_CreateDeviceObjects(); }), "")
            << "format " << value;
        ImGui_ImplWGPU_Shutdown();
        ImGui::DestroyContext(context);
        ImGui::SetCurrentContext(previous);
    }
    g_swapChainFormat = surfaceFormat;
    EXPECT_EQ(taken, 6);
}
