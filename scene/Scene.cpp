#include "Scene.h"

#include "imgui_impl_wgpu.h"

#include "ShaderModule.h"
#include "Shaders.h"
#include "StringView.h"
#include "Surface.h"

#include <cmath>

namespace {
constexpr uint64_t kVertexBufferSize = 60;
constexpr uint64_t kIndexBufferSize = 8;
constexpr uint64_t kUniformBufferSize = 4;
constexpr uint64_t kVertexStride = 20;
constexpr uint32_t kIndexCount = 3;

// The device rejects a render pass whose clear value holds anything but
// finite numbers. A component that is none (typed into the panel as 1e39,
// say) clears as 0, as a speed that is none does not turn the triangle.
double finiteOrZero(float component) {
    return std::isfinite(component) ? static_cast<double>(component) : 0.0;
}
} // namespace

Scene::Scene() {
    initShaderSources();
}

Scene::~Scene() {
    releaseGpuObjects();
    if (swapChain != nullptr) {
        wgpuSurfaceRelease(swapChain);
    }
}

void Scene::releaseGpuObjects() {
    if (bindGroup != nullptr) {
        wgpuBindGroupRelease(bindGroup);
    }
    if (uniformBuffer != nullptr) {
        wgpuBufferRelease(uniformBuffer);
    }
    if (indexBuffer != nullptr) {
        wgpuBufferRelease(indexBuffer);
    }
    if (vertexBuffer != nullptr) {
        wgpuBufferRelease(vertexBuffer);
    }
    if (pipeline != nullptr) {
        wgpuRenderPipelineRelease(pipeline);
    }
    if (queue != nullptr) {
        wgpuQueueRelease(queue);
    }
    if (device != nullptr) {
        wgpuDeviceRelease(device);
    }
    bindGroup = nullptr;
    uniformBuffer = nullptr;
    indexBuffer = nullptr;
    vertexBuffer = nullptr;
    pipeline = nullptr;
    queue = nullptr;
    device = nullptr;
}

void Scene::replaceDevice(WGPUDevice handle) {
    releaseGpuObjects();
    device = handle;
    queue = wgpuDeviceGetQueue(device);
    createPipelineAndBuffers();
    startUIRenderer();
}

void Scene::initShaderSources() {
    vertexShaderSource = kVertexShaderSource;
    fragmentShaderSource = kFragmentShaderSource;
}

void Scene::setDevice(WGPUDevice handle) {
    device = handle;
}

void Scene::setQueue(WGPUQueue handle) {
    queue = handle;
}

void Scene::setSwapChain(WGPUSurface handle) {
    swapChain = handle;
}

void Scene::setShowUI(bool show) {
    showUI = show;
}

WGPUBuffer Scene::createBuffer(const void* data, uint64_t size, WGPUBufferUsage usage) {
    WGPUBufferDescriptor desc{};
    desc.usage = usage | WGPUBufferUsage_CopyDst;
    desc.size = size;
    WGPUBuffer buffer = wgpuDeviceCreateBuffer(device, &desc);
    wgpuQueueWriteBuffer(queue, buffer, 0, data, static_cast<size_t>(size));
    return buffer;
}

WGPUShaderModule Scene::createShader(const char* source, const char* label) {
    return createWgslModule(device, source, label);
}

void Scene::createPipelineAndBuffers() {
    WGPUShaderModule vertMod = createShader(vertexShaderSource.c_str(), nullptr);
    WGPUShaderModule fragMod = createShader(fragmentShaderSource.c_str(), nullptr);

    WGPUBindGroupLayoutEntry bglEntry{};
    bglEntry.binding = 0;
    bglEntry.visibility = WGPUShaderStage_Vertex;
    bglEntry.buffer.type = WGPUBufferBindingType_Uniform;
    bglEntry.buffer.hasDynamicOffset = false;
    bglEntry.buffer.minBindingSize = 0;

    WGPUBindGroupLayoutDescriptor bglDesc{};
    bglDesc.entryCount = 1;
    bglDesc.entries = &bglEntry;
    WGPUBindGroupLayout bindGroupLayout = wgpuDeviceCreateBindGroupLayout(device, &bglDesc);

    WGPUPipelineLayoutDescriptor layoutDesc{};
    layoutDesc.bindGroupLayoutCount = 1;
    layoutDesc.bindGroupLayouts = &bindGroupLayout;
    WGPUPipelineLayout pipelineLayout = wgpuDeviceCreatePipelineLayout(device, &layoutDesc);

    WGPUVertexAttribute vertAttrs[2]{};
    vertAttrs[0].format = WGPUVertexFormat_Float32x2;
    vertAttrs[0].offset = 0;
    vertAttrs[0].shaderLocation = 0;
    vertAttrs[1].format = WGPUVertexFormat_Float32x3;
    vertAttrs[1].offset = 2 * sizeof(float);
    vertAttrs[1].shaderLocation = 1;

    WGPUVertexBufferLayout vertDesc{};
    vertDesc.arrayStride = kVertexStride;
    vertDesc.stepMode = WGPUVertexStepMode_Vertex;
    vertDesc.attributeCount = 2;
    vertDesc.attributes = vertAttrs;

    WGPUBlendState blendDesc{};
    blendDesc.color.operation = WGPUBlendOperation_Add;
    blendDesc.color.srcFactor = WGPUBlendFactor_SrcAlpha;
    blendDesc.color.dstFactor = WGPUBlendFactor_OneMinusSrcAlpha;
    blendDesc.alpha = blendDesc.color;

    WGPUColorTargetState colorDesc{};
    colorDesc.format = g_swapChainFormat;
    colorDesc.blend = &blendDesc;
    colorDesc.writeMask = WGPUColorWriteMask_All;

    WGPUFragmentState fragStage{};
    fragStage.module = fragMod;
    fragStage.entryPoint = stringView("main");
    fragStage.targetCount = 1;
    fragStage.targets = &colorDesc;

    WGPURenderPipelineDescriptor desc{};
    desc.layout = pipelineLayout;
    desc.vertex.module = vertMod;
    desc.vertex.entryPoint = stringView("main");
    desc.vertex.bufferCount = 1;
    desc.vertex.buffers = &vertDesc;
    desc.primitive.topology = WGPUPrimitiveTopology_TriangleList;
    desc.primitive.stripIndexFormat = WGPUIndexFormat_Undefined;
    desc.primitive.frontFace = WGPUFrontFace_CCW;
    desc.primitive.cullMode = WGPUCullMode_None;
    desc.multisample.count = 1;
    desc.multisample.mask = 0xFFFFFFFF;
    desc.multisample.alphaToCoverageEnabled = false;
    desc.fragment = &fragStage;

    pipeline = wgpuDeviceCreateRenderPipeline(device, &desc);

    wgpuPipelineLayoutRelease(pipelineLayout);
    wgpuShaderModuleRelease(fragMod);
    wgpuShaderModuleRelease(vertMod);

    const float vertData[] = {
        -0.8f, -0.8f, 0.0f, 0.0f, 1.0f, // vertex 1
        0.8f,  -0.8f, 0.0f, 1.0f, 0.0f, // vertex 2
        -0.0f, 0.8f,  1.0f, 0.0f, 0.0f, // vertex 3
    };
    static_assert(sizeof(vertData) == kVertexBufferSize, "three 20-byte vertices");
    // The fourth index pads the upload to a multiple of four bytes.
    const uint16_t indxData[] = {0, 1, 2, 0};
    static_assert(sizeof(indxData) == kIndexBufferSize, "four 16-bit indices");

    vertexBuffer = createBuffer(vertData, kVertexBufferSize, WGPUBufferUsage_Vertex);
    indexBuffer = createBuffer(indxData, kIndexBufferSize, WGPUBufferUsage_Index);
    uniformBuffer = createBuffer(&rotationDegrees, kUniformBufferSize, WGPUBufferUsage_Uniform);

    WGPUBindGroupEntry bgEntry{};
    bgEntry.binding = 0;
    bgEntry.buffer = uniformBuffer;
    bgEntry.offset = 0;
    bgEntry.size = kUniformBufferSize;

    WGPUBindGroupDescriptor bgDesc{};
    bgDesc.layout = bindGroupLayout;
    bgDesc.entryCount = 1;
    bgDesc.entries = &bgEntry;
    bindGroup = wgpuDeviceCreateBindGroup(device, &bgDesc);

    wgpuBindGroupLayoutRelease(bindGroupLayout);
}

float Scene::advanceRotation(float degrees, float speed, int direction) {
    const float step = std::isfinite(speed) ? 0.1f * speed : 0.0f;
    float next = degrees + step * static_cast<float>(direction);
    if (!(next > -360.0f && next < 360.0f)) {
        next = std::fmod(next, 360.0f);
    }
    return next;
}

bool Scene::render(double /*time*/) {
    fitSwapChainToWindow();
    drawUI();
    FrameTarget target;
    if (!acquireFrameTarget(swapChain, target)) {
        return true;
    }

    WGPURenderPassColorAttachment colorDesc{};
    colorDesc.view = target.view;
    colorDesc.depthSlice = WGPU_DEPTH_SLICE_UNDEFINED;
    colorDesc.resolveTarget = nullptr;
    colorDesc.loadOp = WGPULoadOp_Clear;
    colorDesc.storeOp = WGPUStoreOp_Store;
    colorDesc.clearValue.r = finiteOrZero(clearColor.x);
    colorDesc.clearValue.g = finiteOrZero(clearColor.y);
    colorDesc.clearValue.b = finiteOrZero(clearColor.z);
    colorDesc.clearValue.a = finiteOrZero(clearColor.w);

    WGPURenderPassDescriptor renderPass{};
    renderPass.colorAttachmentCount = 1;
    renderPass.colorAttachments = &colorDesc;

    WGPUCommandEncoder encoder = wgpuDeviceCreateCommandEncoder(device, nullptr);
    WGPURenderPassEncoder pass = wgpuCommandEncoderBeginRenderPass(encoder, &renderPass);

    recordTriangle(pass);
    if (showUI) {
        ImGui_ImplWGPU_RenderDrawData(ImGui::GetDrawData(), pass);
    }

    wgpuRenderPassEncoderEnd(pass);
    wgpuRenderPassEncoderRelease(pass);

    WGPUCommandBuffer commands = wgpuCommandEncoderFinish(encoder, nullptr);
    wgpuCommandEncoderRelease(encoder);
    wgpuQueueSubmit(queue, 1, &commands);
    wgpuCommandBufferRelease(commands);

    presentFrameTarget(swapChain, target);
    // A submission the device rejects leaves the frame's queue writes (the
    // UI's vertices among them) waiting for the next one. With every frame
    // rejected they would pile up without bound; the tick hands them on.
    wgpuDeviceTick(device);
    return true;
}

// Advances the rotation, uploads this frame's angle and vertex colours (the
// queue writes land before the submission that reads them) and draws.
void Scene::recordTriangle(WGPURenderPassEncoder pass) {
    rotationDegrees = advanceRotation(rotationDegrees, rotationSpeed, direction);
    wgpuQueueWriteBuffer(queue, uniformBuffer, 0, &rotationDegrees, sizeof(rotationDegrees));

    const float vertData[] = {
        -0.8f, -0.8f, vertex1Color.x, vertex1Color.y, vertex1Color.z,
        0.8f,  -0.8f, vertex2Color.x, vertex2Color.y, vertex2Color.z,
        -0.0f, 0.8f,  vertex3Color.x, vertex3Color.y, vertex3Color.z,
    };
    static_assert(sizeof(vertData) == kVertexBufferSize, "three 20-byte vertices");
    wgpuQueueWriteBuffer(queue, vertexBuffer, 0, vertData, sizeof(vertData));

    wgpuRenderPassEncoderSetPipeline(pass, pipeline);
    wgpuRenderPassEncoderSetBindGroup(pass, 0, bindGroup, 0, nullptr);
    wgpuRenderPassEncoderSetVertexBuffer(pass, 0, vertexBuffer, 0, WGPU_WHOLE_SIZE);
    wgpuRenderPassEncoderSetIndexBuffer(pass, indexBuffer, WGPUIndexFormat_Uint16, 0,
                                        WGPU_WHOLE_SIZE);
    wgpuRenderPassEncoderDrawIndexed(pass, kIndexCount, 1, 0, 0, 0);
}
