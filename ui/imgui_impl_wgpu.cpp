// Dear ImGui renderer binding for WebGPU.
//
// Device objects: one render pipeline, the font atlas texture with its view and
// sampler, a 64-byte uniform buffer holding the projection, bind group 0
// (uniform buffer + sampler) and one bind group 1 per texture, cached by the
// hash of its texture id: a view's handle value, except for the font atlas,
// whose id stays the same whichever view it has. Per frame in flight, one
// vertex and one index buffer with host copies that gather all draw lists for
// a single upload.

#include "imgui_impl_wgpu.h"

#include "ShaderModules.h"
#include "StringView.h"

#include <imgui_internal.h> // ImHashData

#include <cstddef>
#include <cstdint>
#include <cstring>

// Indices are uploaded and drawn as 16-bit (WGPUIndexFormat_Uint16); a UI
// library built with 32-bit ImDrawIdx would have them read as garbage.
static_assert(sizeof(ImDrawIdx) == 2, "the WebGPU renderer binding draws 16-bit ImDrawIdx only");

namespace {

constexpr int kVertexMargin = 5000;
constexpr int kIndexMargin = 10000;
constexpr uint32_t kCopyRowAlignment = 256;
// Scissor edges are clamped to the display; this bounds the display extent so
// the float-to-integer conversions stay defined for absurd display sizes.
constexpr float kMaxDisplayExtent = 16777216.0f;

struct FrameSlot {
    WGPUBuffer IndexBuffer;
    WGPUBuffer VertexBuffer;
    ImDrawIdx* IndexHostCopy;
    ImDrawVert* VertexHostCopy;
    int IndexCapacity;
    int VertexCapacity;
};

struct DeviceObjects {
    WGPUTexture FontTexture = nullptr;
    WGPUTextureView FontTextureView = nullptr;
    WGPUSampler FontSampler = nullptr;
    WGPUBuffer UniformBuffer = nullptr;
    WGPUBindGroup CommonBindGroup = nullptr;
    WGPUBindGroupLayout ImageBindGroupLayout = nullptr;
    ImGuiStorage ImageBindGroupCache;
    WGPUBindGroup FontImageBindGroup = nullptr;
};

WGPUDevice g_device = nullptr;
WGPUTextureFormat g_renderTargetFormat = WGPUTextureFormat_Undefined;
uint32_t g_framesInFlight = 0;
WGPURenderPipeline g_pipeline = nullptr;
FrameSlot* g_frameSlots = nullptr;
uint32_t g_frameIndex = UINT32_MAX;
DeviceObjects g_resources;

// The font atlas's texture id: the same for every font view the binding makes,
// so that draw data made before the device objects were re-created (or kept
// from an earlier frame) is drawn with the atlas as it is now. Were the id the
// view's handle, such draw data would name a released view, and a bind group
// would be made from it.
char g_fontTextureId;
ImTextureID FontTextureId() {
    return static_cast<ImTextureID>(&g_fontTextureId);
}

void SafeRelease(WGPURenderPipeline& res) {
    if (res)
        wgpuRenderPipelineRelease(res);
    res = nullptr;
}
void SafeRelease(WGPUTexture& res) {
    if (res)
        wgpuTextureRelease(res);
    res = nullptr;
}
void SafeRelease(WGPUTextureView& res) {
    if (res)
        wgpuTextureViewRelease(res);
    res = nullptr;
}
void SafeRelease(WGPUSampler& res) {
    if (res)
        wgpuSamplerRelease(res);
    res = nullptr;
}
void SafeRelease(WGPUBuffer& res) {
    if (res)
        wgpuBufferRelease(res);
    res = nullptr;
}
void SafeRelease(WGPUBindGroup& res) {
    if (res)
        wgpuBindGroupRelease(res);
    res = nullptr;
}
void SafeRelease(WGPUBindGroupLayout& res) {
    if (res)
        wgpuBindGroupLayoutRelease(res);
    res = nullptr;
}
void SafeRelease(WGPUPipelineLayout& res) {
    if (res)
        wgpuPipelineLayoutRelease(res);
    res = nullptr;
}
void SafeRelease(WGPUShaderModule& res) {
    if (res)
        wgpuShaderModuleRelease(res);
    res = nullptr;
}
void SafeRelease(ImDrawIdx*& res) {
    delete[] res;
    res = nullptr;
}
void SafeRelease(ImDrawVert*& res) {
    delete[] res;
    res = nullptr;
}
void SafeRelease(FrameSlot& slot) {
    SafeRelease(slot.IndexBuffer);
    SafeRelease(slot.VertexBuffer);
    SafeRelease(slot.IndexHostCopy);
    SafeRelease(slot.VertexHostCopy);
}
void SafeRelease(DeviceObjects& res) {
    SafeRelease(res.FontTexture);
    SafeRelease(res.FontTextureView);
    SafeRelease(res.FontSampler);
    SafeRelease(res.UniformBuffer);
    SafeRelease(res.CommonBindGroup);
    SafeRelease(res.ImageBindGroupLayout);
    SafeRelease(res.FontImageBindGroup);
}

ImGuiID TextureKey(ImTextureID id) {
    return ImHashData(&id, sizeof(id), 0);
}

// The device's queue is fetched for each use; every fetch hands out a
// reference of its own, released right after the write.
void WriteBuffer(WGPUBuffer buffer, const void* data, size_t size) {
    WGPUQueue queue = wgpuDeviceGetQueue(g_device);
    wgpuQueueWriteBuffer(queue, buffer, 0, data, size);
    wgpuQueueRelease(queue);
}

WGPUBindGroup CreateImageBindGroup(WGPUBindGroupLayout layout, WGPUTextureView texture) {
    WGPUBindGroupEntry image_bg_entries[1];
    std::memset(image_bg_entries, 0, sizeof(image_bg_entries));
    image_bg_entries[0].binding = 0;
    image_bg_entries[0].textureView = texture;

    WGPUBindGroupDescriptor image_bg_descriptor;
    std::memset(&image_bg_descriptor, 0, sizeof(image_bg_descriptor));
    image_bg_descriptor.layout = layout;
    image_bg_descriptor.entryCount = 1;
    image_bg_descriptor.entries = image_bg_entries;
    return wgpuDeviceCreateBindGroup(g_device, &image_bg_descriptor);
}

WGPUBuffer CreateBufferWithData(WGPUDevice device, const void* data, uint64_t size,
                                WGPUBufferUsage usage) {
    WGPUBufferDescriptor buffer_desc;
    std::memset(&buffer_desc, 0, sizeof(buffer_desc));
    buffer_desc.usage = usage | WGPUBufferUsage_CopyDst;
    buffer_desc.size = size;
    WGPUBuffer buffer = wgpuDeviceCreateBuffer(device, &buffer_desc);
    WriteBuffer(buffer, data, static_cast<size_t>(size));
    return buffer;
}

void CreateFontTexture() {
    ImGuiIO& io = ImGui::GetIO();
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    int bytes_per_pixel = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height, &bytes_per_pixel);

    WGPUTextureDescriptor tex_desc;
    std::memset(&tex_desc, 0, sizeof(tex_desc));
    tex_desc.label = stringView("Dear ImGui Font Texture");
    tex_desc.usage = WGPUTextureUsage_TextureBinding | WGPUTextureUsage_CopyDst;
    tex_desc.dimension = WGPUTextureDimension_2D;
    tex_desc.size.width = static_cast<uint32_t>(width);
    tex_desc.size.height = static_cast<uint32_t>(height);
    tex_desc.size.depthOrArrayLayers = 1;
    tex_desc.format = WGPUTextureFormat_RGBA8Unorm;
    tex_desc.mipLevelCount = 1;
    tex_desc.sampleCount = 1;
    g_resources.FontTexture = wgpuDeviceCreateTexture(g_device, &tex_desc);

    WGPUTextureViewDescriptor tex_view_desc;
    std::memset(&tex_view_desc, 0, sizeof(tex_view_desc));
    tex_view_desc.format = WGPUTextureFormat_RGBA8Unorm;
    tex_view_desc.dimension = WGPUTextureViewDimension_2D;
    tex_view_desc.baseMipLevel = 0;
    tex_view_desc.mipLevelCount = 1;
    tex_view_desc.baseArrayLayer = 0;
    tex_view_desc.arrayLayerCount = 1;
    tex_view_desc.aspect = WGPUTextureAspect_All;
    g_resources.FontTextureView = wgpuTextureCreateView(g_resources.FontTexture, &tex_view_desc);

    // A buffer-to-texture copy needs rows whose pitch is a multiple of 256
    // bytes. Atlas widths that are multiples of 64 pixels already have it; the
    // rows of any other width are spread out to the next multiple.
    const uint32_t row_bytes =
        static_cast<uint32_t>(width) * static_cast<uint32_t>(bytes_per_pixel);
    const uint32_t row_pitch =
        (row_bytes + kCopyRowAlignment - 1) / kCopyRowAlignment * kCopyRowAlignment;
    const uint32_t rows = static_cast<uint32_t>(height);
    WGPUBuffer staging_buffer = nullptr;
    if (row_pitch == row_bytes) {
        staging_buffer =
            CreateBufferWithData(g_device, pixels, row_bytes * rows, WGPUBufferUsage_CopySrc);
    } else {
        ImVector<unsigned char> padded_pixels;
        padded_pixels.resize(static_cast<int>(row_pitch * rows), 0);
        for (uint32_t row = 0; row < rows; ++row)
            std::memcpy(padded_pixels.Data + row * row_pitch, pixels + row * row_bytes, row_bytes);
        staging_buffer = CreateBufferWithData(g_device, padded_pixels.Data, row_pitch * rows,
                                              WGPUBufferUsage_CopySrc);
    }

    WGPUTexelCopyBufferInfo buffer_copy_view;
    std::memset(&buffer_copy_view, 0, sizeof(buffer_copy_view));
    buffer_copy_view.layout.offset = 0;
    buffer_copy_view.layout.bytesPerRow = row_pitch;
    buffer_copy_view.layout.rowsPerImage = rows;
    buffer_copy_view.buffer = staging_buffer;

    WGPUTexelCopyTextureInfo texture_copy_view;
    std::memset(&texture_copy_view, 0, sizeof(texture_copy_view));
    texture_copy_view.texture = g_resources.FontTexture;
    texture_copy_view.mipLevel = 0;
    texture_copy_view.origin = {0, 0, 0};
    texture_copy_view.aspect = WGPUTextureAspect_All;

    WGPUExtent3D copy_size = {static_cast<uint32_t>(width), rows, 1};

    WGPUCommandEncoderDescriptor encoder_desc;
    std::memset(&encoder_desc, 0, sizeof(encoder_desc));
    WGPUCommandEncoder encoder = wgpuDeviceCreateCommandEncoder(g_device, &encoder_desc);
    wgpuCommandEncoderCopyBufferToTexture(encoder, &buffer_copy_view, &texture_copy_view,
                                          &copy_size);
    WGPUCommandBufferDescriptor command_buffer_desc;
    std::memset(&command_buffer_desc, 0, sizeof(command_buffer_desc));
    WGPUCommandBuffer copy_command = wgpuCommandEncoderFinish(encoder, &command_buffer_desc);
    WGPUQueue queue = wgpuDeviceGetQueue(g_device);
    wgpuQueueSubmit(queue, 1, &copy_command);
    wgpuQueueRelease(queue);
    wgpuCommandEncoderRelease(encoder);
    wgpuCommandBufferRelease(copy_command);
    wgpuBufferRelease(staging_buffer);

    WGPUSamplerDescriptor sampler_desc;
    std::memset(&sampler_desc, 0, sizeof(sampler_desc));
    sampler_desc.addressModeU = WGPUAddressMode_Repeat;
    sampler_desc.addressModeV = WGPUAddressMode_Repeat;
    sampler_desc.addressModeW = WGPUAddressMode_Repeat;
    sampler_desc.magFilter = WGPUFilterMode_Linear;
    sampler_desc.minFilter = WGPUFilterMode_Linear;
    sampler_desc.mipmapFilter = WGPUMipmapFilterMode_Linear;
    sampler_desc.lodMinClamp = 0.0f;
    sampler_desc.lodMaxClamp = 0.0f;
    sampler_desc.compare = WGPUCompareFunction_Undefined;
    sampler_desc.maxAnisotropy = 1;
    g_resources.FontSampler = wgpuDeviceCreateSampler(g_device, &sampler_desc);

    io.Fonts->SetTexID(FontTextureId());
}

void CreateUniformBuffer() {
    WGPUBufferDescriptor ub_desc;
    std::memset(&ub_desc, 0, sizeof(ub_desc));
    ub_desc.label = stringView("Dear ImGui Uniform buffer");
    ub_desc.usage = WGPUBufferUsage_Uniform | WGPUBufferUsage_CopyDst;
    ub_desc.size = 64;
    ub_desc.mappedAtCreation = 0;
    g_resources.UniformBuffer = wgpuDeviceCreateBuffer(g_device, &ub_desc);
}

// Releases every bind group made for a texture and empties the cache, so that
// no entry outlives the objects it was made with. The font's bind group is
// also held as FontImageBindGroup and released with the other device objects.
void ReleaseCachedBindGroups() {
    for (ImGuiStorage::ImGuiStoragePair& entry : g_resources.ImageBindGroupCache.Data) {
        WGPUBindGroup bind_group = static_cast<WGPUBindGroup>(entry.val_p);
        if (bind_group != g_resources.FontImageBindGroup)
            SafeRelease(bind_group);
    }
    g_resources.ImageBindGroupCache.Clear();
}

uint32_t DisplayExtent(float size) {
    return static_cast<uint32_t>(size < kMaxDisplayExtent ? size : kMaxDisplayExtent);
}

// Render-target pixels per display unit: the draw data's framebuffer scale,
// or 1 where it is not a positive number.
ImVec2 FramebufferScale(const ImDrawData* draw_data) {
    const ImVec2 scale = draw_data->FramebufferScale;
    const bool usable = scale.x > 0.0f && scale.y > 0.0f && scale.x < kMaxDisplayExtent &&
                        scale.y < kMaxDisplayExtent;
    return usable ? scale : ImVec2(1.0f, 1.0f);
}

// The viewport's extent in render-target pixels. Scaled, it is rounded down:
// a scale that is not exact in binary must not take the viewport past the
// target it fills.
float ViewportExtent(float display, float scale) {
    return scale == 1.0f ? display : static_cast<float>(DisplayExtent(display * scale));
}

// One scissor edge in render-target pixels, clamped to [0, extent]; NaN counts as 0.
uint32_t ScissorEdge(float value, uint32_t extent) {
    if (!(value > 0.0f))
        return 0;
    if (value >= static_cast<float>(extent))
        return extent;
    return static_cast<uint32_t>(value);
}

void SetupRenderState(ImDrawData* draw_data, WGPURenderPassEncoder ctx, FrameSlot* fr) {
    {
        const float L = draw_data->DisplayPos.x;
        const float R = draw_data->DisplayPos.x + draw_data->DisplaySize.x;
        const float T = draw_data->DisplayPos.y;
        const float B = draw_data->DisplayPos.y + draw_data->DisplaySize.y;
        const float mvp[4][4] = {
            {2.0f / (R - L), 0.0f, 0.0f, 0.0f},
            {0.0f, 2.0f / (T - B), 0.0f, 0.0f},
            {0.0f, 0.0f, 0.5f, 0.0f},
            {(R + L) / (L - R), (T + B) / (B - T), 0.5f, 1.0f},
        };
        WriteBuffer(g_resources.UniformBuffer, mvp, sizeof(mvp));
    }

    const ImVec2 scale = FramebufferScale(draw_data);
    wgpuRenderPassEncoderSetViewport(ctx, 0.0f, 0.0f,
                                     ViewportExtent(draw_data->DisplaySize.x, scale.x),
                                     ViewportExtent(draw_data->DisplaySize.y, scale.y), 0.0f, 1.0f);
    wgpuRenderPassEncoderSetVertexBuffer(ctx, 0, fr->VertexBuffer, 0,
                                         static_cast<uint64_t>(fr->VertexCapacity) *
                                             sizeof(ImDrawVert));
    wgpuRenderPassEncoderSetIndexBuffer(ctx, fr->IndexBuffer, WGPUIndexFormat_Uint16, 0,
                                        static_cast<uint64_t>(fr->IndexCapacity) *
                                            sizeof(ImDrawIdx));
    wgpuRenderPassEncoderSetPipeline(ctx, g_pipeline);
    wgpuRenderPassEncoderSetBindGroup(ctx, 0, g_resources.CommonBindGroup, 0, nullptr);

    WGPUColor blend_color = {0.0, 0.0, 0.0, 0.0};
    wgpuRenderPassEncoderSetBlendConstant(ctx, &blend_color);
}

// A command draws indices of its own list, each counted from its VtxOffset,
// and every vertex they name must be one of its own list's. One that reaches
// past its list's indices or vertices (the UI library makes none) is skipped:
// the device would reject the whole frame for indices past the buffer, or the
// command would draw another list's vertices. Every index is checked; the
// UI's lists hold a few thousand.
bool StaysWithinItsList(const ImDrawList* cmd_list, const ImDrawCmd* pcmd) {
    const uint64_t idx_end = static_cast<uint64_t>(pcmd->IdxOffset) + pcmd->ElemCount;
    if (idx_end > static_cast<uint64_t>(cmd_list->IdxBuffer.Size))
        return false;
    if (pcmd->ElemCount == 0)
        return true;
    if (pcmd->VtxOffset >= static_cast<unsigned int>(cmd_list->VtxBuffer.Size))
        return false;
    const unsigned int vertices_from_offset =
        static_cast<unsigned int>(cmd_list->VtxBuffer.Size) - pcmd->VtxOffset;
    const ImDrawIdx* indices = cmd_list->IdxBuffer.Data + pcmd->IdxOffset;
    ImDrawIdx largest = 0;
    for (unsigned int i = 0; i < pcmd->ElemCount; i++)
        largest = indices[i] > largest ? indices[i] : largest;
    return largest < vertices_from_offset;
}

// Group 0: the projection for the vertex stage, the sampler for the fragment stage.
WGPUBindGroupLayout CreateCommonBindGroupLayout() {
    WGPUBindGroupLayoutEntry common_bg_layout_entries[2];
    std::memset(common_bg_layout_entries, 0, sizeof(common_bg_layout_entries));
    common_bg_layout_entries[0].binding = 0;
    common_bg_layout_entries[0].visibility = WGPUShaderStage_Vertex;
    common_bg_layout_entries[0].buffer.type = WGPUBufferBindingType_Uniform;
    common_bg_layout_entries[1].binding = 1;
    common_bg_layout_entries[1].visibility = WGPUShaderStage_Fragment;
    common_bg_layout_entries[1].sampler.type = WGPUSamplerBindingType_Filtering;

    WGPUBindGroupLayoutDescriptor common_bg_layout_desc;
    std::memset(&common_bg_layout_desc, 0, sizeof(common_bg_layout_desc));
    common_bg_layout_desc.entryCount = 2;
    common_bg_layout_desc.entries = common_bg_layout_entries;
    return wgpuDeviceCreateBindGroupLayout(g_device, &common_bg_layout_desc);
}

// Group 1: the texture a command draws with.
WGPUBindGroupLayout CreateImageBindGroupLayout() {
    WGPUBindGroupLayoutEntry image_bg_layout_entries[1];
    std::memset(image_bg_layout_entries, 0, sizeof(image_bg_layout_entries));
    image_bg_layout_entries[0].binding = 0;
    image_bg_layout_entries[0].visibility = WGPUShaderStage_Fragment;
    image_bg_layout_entries[0].texture.sampleType = WGPUTextureSampleType_Float;
    image_bg_layout_entries[0].texture.viewDimension = WGPUTextureViewDimension_2D;

    WGPUBindGroupLayoutDescriptor image_bg_layout_desc;
    std::memset(&image_bg_layout_desc, 0, sizeof(image_bg_layout_desc));
    image_bg_layout_desc.entryCount = 1;
    image_bg_layout_desc.entries = image_bg_layout_entries;
    return wgpuDeviceCreateBindGroupLayout(g_device, &image_bg_layout_desc);
}

// The pipeline drawing ImDrawVert triangles with the modules' entry points
// "main", blended over the render target.
WGPURenderPipeline CreatePipeline(WGPUBindGroupLayout common_bg_layout,
                                  WGPUBindGroupLayout image_bg_layout,
                                  WGPUShaderModule vertex_module,
                                  WGPUShaderModule fragment_module) {
    WGPUBindGroupLayout bg_layouts[2] = {common_bg_layout, image_bg_layout};
    WGPUPipelineLayoutDescriptor layout_desc;
    std::memset(&layout_desc, 0, sizeof(layout_desc));
    layout_desc.bindGroupLayoutCount = 2;
    layout_desc.bindGroupLayouts = bg_layouts;
    WGPUPipelineLayout pipeline_layout = wgpuDeviceCreatePipelineLayout(g_device, &layout_desc);

    WGPUVertexAttribute attribute_desc[3];
    std::memset(attribute_desc, 0, sizeof(attribute_desc));
    attribute_desc[0].format = WGPUVertexFormat_Float32x2;
    attribute_desc[0].offset = offsetof(ImDrawVert, pos);
    attribute_desc[0].shaderLocation = 0;
    attribute_desc[1].format = WGPUVertexFormat_Float32x2;
    attribute_desc[1].offset = offsetof(ImDrawVert, uv);
    attribute_desc[1].shaderLocation = 1;
    attribute_desc[2].format = WGPUVertexFormat_Unorm8x4;
    attribute_desc[2].offset = offsetof(ImDrawVert, col);
    attribute_desc[2].shaderLocation = 2;

    WGPUVertexBufferLayout buffer_layouts[1];
    std::memset(buffer_layouts, 0, sizeof(buffer_layouts));
    buffer_layouts[0].arrayStride = sizeof(ImDrawVert);
    buffer_layouts[0].stepMode = WGPUVertexStepMode_Vertex;
    buffer_layouts[0].attributeCount = 3;
    buffer_layouts[0].attributes = attribute_desc;

    WGPUBlendState blend_state;
    std::memset(&blend_state, 0, sizeof(blend_state));
    blend_state.alpha.operation = WGPUBlendOperation_Add;
    blend_state.alpha.srcFactor = WGPUBlendFactor_One;
    blend_state.alpha.dstFactor = WGPUBlendFactor_OneMinusSrcAlpha;
    blend_state.color.operation = WGPUBlendOperation_Add;
    blend_state.color.srcFactor = WGPUBlendFactor_SrcAlpha;
    blend_state.color.dstFactor = WGPUBlendFactor_OneMinusSrcAlpha;

    WGPUColorTargetState color_state;
    std::memset(&color_state, 0, sizeof(color_state));
    color_state.format = g_renderTargetFormat;
    color_state.blend = &blend_state;
    color_state.writeMask = WGPUColorWriteMask_All;

    WGPUFragmentState fragment_state;
    std::memset(&fragment_state, 0, sizeof(fragment_state));
    fragment_state.module = fragment_module;
    fragment_state.entryPoint = stringView("main");
    fragment_state.targetCount = 1;
    fragment_state.targets = &color_state;

    WGPURenderPipelineDescriptor graphics_pipeline_desc;
    std::memset(&graphics_pipeline_desc, 0, sizeof(graphics_pipeline_desc));
    graphics_pipeline_desc.layout = pipeline_layout;
    graphics_pipeline_desc.vertex.module = vertex_module;
    graphics_pipeline_desc.vertex.entryPoint = stringView("main");
    graphics_pipeline_desc.vertex.bufferCount = 1;
    graphics_pipeline_desc.vertex.buffers = buffer_layouts;
    graphics_pipeline_desc.primitive.topology = WGPUPrimitiveTopology_TriangleList;
    graphics_pipeline_desc.primitive.stripIndexFormat = WGPUIndexFormat_Undefined;
    graphics_pipeline_desc.primitive.frontFace = WGPUFrontFace_CW;
    graphics_pipeline_desc.primitive.cullMode = WGPUCullMode_None;
    graphics_pipeline_desc.depthStencil = nullptr;
    graphics_pipeline_desc.multisample.count = 1;
    graphics_pipeline_desc.multisample.mask = UINT32_MAX;
    graphics_pipeline_desc.multisample.alphaToCoverageEnabled = 0;
    graphics_pipeline_desc.fragment = &fragment_state;
    WGPURenderPipeline pipeline = wgpuDeviceCreateRenderPipeline(g_device, &graphics_pipeline_desc);
    SafeRelease(pipeline_layout);
    return pipeline;
}

} // namespace

bool ImGui_ImplWGPU_Init(WGPUDevice device, int num_frames_in_flight, WGPUTextureFormat rt_format) {
    if (device == nullptr || num_frames_in_flight < 1)
        return false;
    if (g_device != nullptr)
        ImGui_ImplWGPU_Shutdown();

    ImGuiIO& io = ImGui::GetIO();
    io.BackendRendererName = "imgui_impl_webgpu";
    io.BackendFlags |= ImGuiBackendFlags_RendererHasVtxOffset;

    g_device = device;
    g_renderTargetFormat = rt_format;
    g_frameSlots = new FrameSlot[num_frames_in_flight];
    g_framesInFlight = static_cast<uint32_t>(num_frames_in_flight);
    g_frameIndex = UINT32_MAX;

    g_resources.FontTexture = nullptr;
    g_resources.FontTextureView = nullptr;
    g_resources.FontSampler = nullptr;
    g_resources.UniformBuffer = nullptr;
    g_resources.CommonBindGroup = nullptr;
    g_resources.ImageBindGroupLayout = nullptr;
    g_resources.ImageBindGroupCache.Data.reserve(100);
    g_resources.FontImageBindGroup = nullptr;

    for (uint32_t i = 0; i < g_framesInFlight; i++) {
        FrameSlot* fr = &g_frameSlots[i];
        fr->IndexBuffer = nullptr;
        fr->VertexBuffer = nullptr;
        fr->IndexHostCopy = nullptr;
        fr->VertexHostCopy = nullptr;
        fr->IndexCapacity = kIndexMargin;
        fr->VertexCapacity = kVertexMargin;
    }
    return true;
}

void ImGui_ImplWGPU_Shutdown() {
    ImGui_ImplWGPU_InvalidateDeviceObjects();
    delete[] g_frameSlots;
    g_frameSlots = nullptr;
    g_device = nullptr;
    g_framesInFlight = 0;
    g_frameIndex = UINT32_MAX;
}

void ImGui_ImplWGPU_NewFrame() {
    if (!g_pipeline)
        ImGui_ImplWGPU_CreateDeviceObjects();
}

bool ImGui_ImplWGPU_CreateDeviceObjects() {
    if (!g_device)
        return false;
    // Releases whatever an earlier creation left, also a partial one.
    ImGui_ImplWGPU_InvalidateDeviceObjects();

    WGPUBindGroupLayout bg_layouts[2];
    bg_layouts[0] = CreateCommonBindGroupLayout();
    bg_layouts[1] = CreateImageBindGroupLayout();
    WGPUShaderModule vertex_module = ImGui_ImplWGPU_CreateVertexModule(g_device);
    WGPUShaderModule fragment_module = ImGui_ImplWGPU_CreateFragmentModule(g_device);
    g_pipeline = CreatePipeline(bg_layouts[0], bg_layouts[1], vertex_module, fragment_module);

    CreateFontTexture();
    CreateUniformBuffer();

    WGPUBindGroupEntry common_bg_entries[2];
    std::memset(common_bg_entries, 0, sizeof(common_bg_entries));
    common_bg_entries[0].binding = 0;
    common_bg_entries[0].buffer = g_resources.UniformBuffer;
    common_bg_entries[0].offset = 0;
    common_bg_entries[0].size = 64;
    common_bg_entries[1].binding = 1;
    common_bg_entries[1].sampler = g_resources.FontSampler;

    WGPUBindGroupDescriptor common_bg_descriptor;
    std::memset(&common_bg_descriptor, 0, sizeof(common_bg_descriptor));
    common_bg_descriptor.layout = bg_layouts[0];
    common_bg_descriptor.entryCount = 2;
    common_bg_descriptor.entries = common_bg_entries;
    g_resources.CommonBindGroup = wgpuDeviceCreateBindGroup(g_device, &common_bg_descriptor);

    g_resources.ImageBindGroupLayout = bg_layouts[1];
    g_resources.FontImageBindGroup =
        CreateImageBindGroup(g_resources.ImageBindGroupLayout, g_resources.FontTextureView);
    g_resources.ImageBindGroupCache.SetVoidPtr(TextureKey(FontTextureId()),
                                               g_resources.FontImageBindGroup);

    SafeRelease(vertex_module);
    SafeRelease(fragment_module);
    SafeRelease(bg_layouts[0]);
    return true;
}

void ImGui_ImplWGPU_InvalidateDeviceObjects() {
    if (!g_device)
        return;

    SafeRelease(g_pipeline);
    ReleaseCachedBindGroups();
    SafeRelease(g_resources);

    ImGui::GetIO().Fonts->SetTexID(nullptr);

    for (uint32_t i = 0; i < g_framesInFlight; i++)
        SafeRelease(g_frameSlots[i]);
}

void ImGui_ImplWGPU_RenderDrawData(ImDrawData* draw_data, WGPURenderPassEncoder pass_encoder) {
    if (draw_data == nullptr || !(draw_data->DisplaySize.x > 0.0f) ||
        !(draw_data->DisplaySize.y > 0.0f))
        return;
    // Without device objects there is no pipeline to draw with (and before
    // ImGui_ImplWGPU_Init no slot to choose).
    if (!g_pipeline || g_framesInFlight == 0)
        return;

    g_frameIndex = g_frameIndex + 1;
    FrameSlot* fr = &g_frameSlots[g_frameIndex % g_framesInFlight];

    // The lists' own lengths are what gets copied, so they size the buffers.
    int total_vtx_count = 0;
    int total_idx_count = 0;
    for (int n = 0; n < draw_data->CmdListsCount; n++) {
        total_vtx_count += draw_data->CmdLists[n]->VtxBuffer.Size;
        total_idx_count += draw_data->CmdLists[n]->IdxBuffer.Size;
    }
    // The index upload is padded to a multiple of 4 bytes, so an odd index
    // count needs room for one index more.
    const int idx_room_needed = total_idx_count + (total_idx_count & 1);

    if (fr->VertexBuffer == nullptr || fr->VertexCapacity < total_vtx_count) {
        SafeRelease(fr->VertexBuffer);
        SafeRelease(fr->VertexHostCopy);
        fr->VertexCapacity = total_vtx_count + kVertexMargin;

        WGPUBufferDescriptor vb_desc;
        std::memset(&vb_desc, 0, sizeof(vb_desc));
        vb_desc.label = stringView("Dear ImGui Vertex buffer");
        vb_desc.usage = WGPUBufferUsage_Vertex | WGPUBufferUsage_CopyDst;
        vb_desc.size = static_cast<uint64_t>(fr->VertexCapacity) * sizeof(ImDrawVert);
        vb_desc.mappedAtCreation = 0;
        fr->VertexBuffer = wgpuDeviceCreateBuffer(g_device, &vb_desc);
        if (!fr->VertexBuffer)
            return;
        fr->VertexHostCopy = new ImDrawVert[fr->VertexCapacity];
    }

    if (fr->IndexBuffer == nullptr || fr->IndexCapacity < idx_room_needed) {
        SafeRelease(fr->IndexBuffer);
        SafeRelease(fr->IndexHostCopy);
        fr->IndexCapacity = total_idx_count + kIndexMargin;

        WGPUBufferDescriptor ib_desc;
        std::memset(&ib_desc, 0, sizeof(ib_desc));
        ib_desc.label = stringView("Dear ImGui Index buffer");
        ib_desc.usage = WGPUBufferUsage_Index | WGPUBufferUsage_CopyDst;
        ib_desc.size = static_cast<uint64_t>(fr->IndexCapacity) * sizeof(ImDrawIdx);
        ib_desc.mappedAtCreation = 0;
        fr->IndexBuffer = wgpuDeviceCreateBuffer(g_device, &ib_desc);
        if (!fr->IndexBuffer)
            return;
        fr->IndexHostCopy = new ImDrawIdx[fr->IndexCapacity];
    }

    ImDrawVert* vtx_dst = fr->VertexHostCopy;
    ImDrawIdx* idx_dst = fr->IndexHostCopy;
    for (int n = 0; n < draw_data->CmdListsCount; n++) {
        const ImDrawList* cmd_list = draw_data->CmdLists[n];
        if (cmd_list->VtxBuffer.Size > 0)
            std::memcpy(vtx_dst, cmd_list->VtxBuffer.Data,
                        cmd_list->VtxBuffer.Size * sizeof(ImDrawVert));
        if (cmd_list->IdxBuffer.Size > 0)
            std::memcpy(idx_dst, cmd_list->IdxBuffer.Data,
                        cmd_list->IdxBuffer.Size * sizeof(ImDrawIdx));
        vtx_dst += cmd_list->VtxBuffer.Size;
        idx_dst += cmd_list->IdxBuffer.Size;
    }
    if (idx_room_needed != total_idx_count)
        *idx_dst = 0; // the padding index: uploaded, never drawn

    const size_t vb_write_size =
        (static_cast<size_t>(total_vtx_count) * sizeof(ImDrawVert) + 3) & ~static_cast<size_t>(3);
    const size_t ib_write_size = static_cast<size_t>(idx_room_needed) * sizeof(ImDrawIdx);
    WriteBuffer(fr->VertexBuffer, fr->VertexHostCopy, vb_write_size);
    WriteBuffer(fr->IndexBuffer, fr->IndexHostCopy, ib_write_size);

    SetupRenderState(draw_data, pass_encoder, fr);

    const ImVec2 scale = FramebufferScale(draw_data);
    const uint32_t target_width = DisplayExtent(draw_data->DisplaySize.x * scale.x);
    const uint32_t target_height = DisplayExtent(draw_data->DisplaySize.y * scale.y);
    int global_vtx_offset = 0;
    int global_idx_offset = 0;
    const ImVec2 clip_off = draw_data->DisplayPos;
    for (int n = 0; n < draw_data->CmdListsCount; n++) {
        const ImDrawList* cmd_list = draw_data->CmdLists[n];
        for (int cmd_i = 0; cmd_i < cmd_list->CmdBuffer.Size; cmd_i++) {
            const ImDrawCmd* pcmd = &cmd_list->CmdBuffer[cmd_i];
            if (pcmd->UserCallback != nullptr) {
                if (pcmd->UserCallback == ImDrawCallback_ResetRenderState)
                    SetupRenderState(draw_data, pass_encoder, fr);
                else
                    pcmd->UserCallback(cmd_list, pcmd);
                continue;
            }

            if (!StaysWithinItsList(cmd_list, pcmd))
                continue;

            // The scissor must lie within the render target, which the
            // viewport already requires of the display rectangle: clip to it,
            // and skip a command that is left with nothing to draw.
            const uint32_t left =
                ScissorEdge((pcmd->ClipRect.x - clip_off.x) * scale.x, target_width);
            const uint32_t top =
                ScissorEdge((pcmd->ClipRect.y - clip_off.y) * scale.y, target_height);
            const uint32_t right =
                ScissorEdge((pcmd->ClipRect.z - clip_off.x) * scale.x, target_width);
            const uint32_t bottom =
                ScissorEdge((pcmd->ClipRect.w - clip_off.y) * scale.y, target_height);
            if (right <= left || bottom <= top)
                continue;

            // Without a texture there is nothing to sample: the device would
            // reject the bind group, and the whole frame with it. The UI
            // library makes no such command; an image given no texture does.
            const ImTextureID tex_id = pcmd->GetTexID();
            if (tex_id == nullptr)
                continue;
            const ImGuiID tex_id_hash = TextureKey(tex_id);
            WGPUBindGroup bind_group =
                static_cast<WGPUBindGroup>(g_resources.ImageBindGroupCache.GetVoidPtr(tex_id_hash));
            if (bind_group == nullptr) {
                bind_group = CreateImageBindGroup(g_resources.ImageBindGroupLayout,
                                                  static_cast<WGPUTextureView>(tex_id));
                g_resources.ImageBindGroupCache.SetVoidPtr(tex_id_hash, bind_group);
            }
            wgpuRenderPassEncoderSetBindGroup(pass_encoder, 1, bind_group, 0, nullptr);

            wgpuRenderPassEncoderSetScissorRect(pass_encoder, left, top, right - left,
                                                bottom - top);
            wgpuRenderPassEncoderDrawIndexed(
                pass_encoder, pcmd->ElemCount, 1, pcmd->IdxOffset + global_idx_offset,
                static_cast<int32_t>(pcmd->VtxOffset + global_vtx_offset), 0);
        }
        global_idx_offset += cmd_list->IdxBuffer.Size;
        global_vtx_offset += cmd_list->VtxBuffer.Size;
    }
}
