// The binding's states (not initialised, initialised, ready, invalidated,
// re-created, shut down), the handles each one holds, the bind-group cache
// across invalidations, and the return of every reference it takes.

#include "RendererFixture.h"

namespace {

using Lifecycle = RendererTest;

void expectNoDeviceObjects(const ImGui_ImplWGPU_Diagnostics& d) {
    EXPECT_EQ(d.Pipeline, nullptr);
    EXPECT_EQ(d.FontTexture, nullptr);
    EXPECT_EQ(d.FontTextureView, nullptr);
    EXPECT_EQ(d.FontSampler, nullptr);
    EXPECT_EQ(d.UniformBuffer, nullptr);
    EXPECT_EQ(d.CommonBindGroup, nullptr);
    EXPECT_EQ(d.ImageBindGroupLayout, nullptr);
    EXPECT_EQ(d.FontImageBindGroup, nullptr);
}

void expectNotInitialised(const ImGui_ImplWGPU_Diagnostics& d) {
    EXPECT_EQ(d.Device, nullptr);
    EXPECT_EQ(d.FramesInFlight, 0u);
    EXPECT_FALSE(d.HasFrameSlots);
    EXPECT_EQ(d.FrameIndex, UINT32_MAX);
    expectNoDeviceObjects(d);
}

TEST_F(Lifecycle, BeforeInitNothingIsCreatedOrRecorded) {
    expectNotInitialised(ImGui_ImplWGPU_GetDiagnostics());
    EXPECT_FALSE(ImGui_ImplWGPU_CreateDeviceObjects());
    ImGui_ImplWGPU_NewFrame();
    ImGui_ImplWGPU_InvalidateDeviceObjects();

    RenderTarget target(*gpu_, 64, 64);
    TestDrawData data(ImVec2(0, 0), ImVec2(64, 64));
    addGeometry(data.addList(), 3, 3, ImVec4(0, 0, 64, 64), nullptr);
    render(target, data.get());

    expectNotInitialised(ImGui_ImplWGPU_GetDiagnostics());
    EXPECT_TRUE(g_wgpuLog.of(WgpuOp::CreateBuffer).empty());
    EXPECT_TRUE(g_wgpuLog.of(WgpuOp::DrawIndexed).empty());
    EXPECT_EQ(ImGui::GetIO().BackendRendererName, nullptr);
}

TEST_F(Lifecycle, InitRefusesNoDeviceAndFewerThanOneFrame) {
    EXPECT_FALSE(ImGui_ImplWGPU_Init(gpu_->device(), 0, WGPUTextureFormat_RGBA8Unorm));
    EXPECT_FALSE(ImGui_ImplWGPU_Init(gpu_->device(), -3, WGPUTextureFormat_RGBA8Unorm));
    EXPECT_FALSE(ImGui_ImplWGPU_Init(nullptr, 3, WGPUTextureFormat_RGBA8Unorm));
    expectNotInitialised(ImGui_ImplWGPU_GetDiagnostics());
    EXPECT_EQ(ImGui::GetIO().BackendRendererName, nullptr);

    // A refused start leaves the binding inert: a frame neither creates nor records anything.
    ImGui_ImplWGPU_NewFrame();
    RenderTarget target(*gpu_, 64, 64);
    TestDrawData data(ImVec2(0, 0), ImVec2(64, 64));
    render(target, data.get());
    EXPECT_EQ(ImGui_ImplWGPU_GetDiagnostics().FrameIndex, UINT32_MAX);
    EXPECT_TRUE(g_wgpuLog.of(WgpuOp::SetPipeline).empty());
}

TEST_F(Lifecycle, InitNamesTheBindingAndPreparesEmptySlots) {
    ImGuiIO& io = ImGui::GetIO();
    io.Fonts->SetTexID(reinterpret_cast<ImTextureID>(0x1234));
    ASSERT_TRUE(ImGui_ImplWGPU_Init(gpu_->device(), 3, WGPUTextureFormat_BGRA8Unorm));

    EXPECT_STREQ(io.BackendRendererName, "imgui_impl_webgpu");
    EXPECT_TRUE(io.BackendFlags & ImGuiBackendFlags_RendererHasVtxOffset);
    const ImGui_ImplWGPU_Diagnostics d = ImGui_ImplWGPU_GetDiagnostics();
    EXPECT_EQ(d.Device, gpu_->device());
    EXPECT_EQ(d.RenderTargetFormat, WGPUTextureFormat_BGRA8Unorm);
    EXPECT_EQ(d.FramesInFlight, 3u);
    EXPECT_EQ(d.FrameIndex, UINT32_MAX);
    expectNoDeviceObjects(d);
    ASSERT_EQ(d.FrameSlots.size(), 3u);
    for (const ImGui_ImplWGPU_DiagnosticSlot& slot : d.FrameSlots) {
        EXPECT_EQ(slot.IndexBuffer, nullptr);
        EXPECT_EQ(slot.VertexBuffer, nullptr);
        EXPECT_EQ(slot.IndexHostCopy, nullptr);
        EXPECT_EQ(slot.VertexHostCopy, nullptr);
        EXPECT_EQ(slot.IndexCapacity, 10000);
        EXPECT_EQ(slot.VertexCapacity, 5000);
    }
    EXPECT_EQ(g_wgpuLog.liveReferences(), referencesAtStart_) << "Init created GPU objects";

    // Invalidating now releases nothing and only forgets the atlas's texture id.
    ImGui_ImplWGPU_InvalidateDeviceObjects();
    EXPECT_EQ(io.Fonts->TexID, nullptr);
    EXPECT_EQ(g_wgpuLog.liveReferences(), referencesAtStart_);
    EXPECT_EQ(ImGui_ImplWGPU_GetDiagnostics().FramesInFlight, 3u);
}

TEST_F(Lifecycle, FirstNewFrameCreatesTheDeviceObjectsLaterOnesNothing) {
    ASSERT_TRUE(ImGui_ImplWGPU_Init(gpu_->device(), 3, WGPUTextureFormat_RGBA8Unorm));
    ImGui_ImplWGPU_NewFrame();

    const ImGui_ImplWGPU_Diagnostics d = ImGui_ImplWGPU_GetDiagnostics();
    EXPECT_NE(d.Pipeline, nullptr);
    EXPECT_NE(d.FontTexture, nullptr);
    EXPECT_NE(d.FontTextureView, nullptr);
    EXPECT_NE(d.FontSampler, nullptr);
    EXPECT_NE(d.UniformBuffer, nullptr);
    EXPECT_NE(d.CommonBindGroup, nullptr);
    EXPECT_NE(d.ImageBindGroupLayout, nullptr);
    EXPECT_NE(d.FontImageBindGroup, nullptr);

    // The atlas is built and carries a texture id, found in the cache.
    ImGuiIO& io = ImGui::GetIO();
    EXPECT_TRUE(io.Fonts->IsBuilt());
    EXPECT_NE(io.Fonts->TexID, nullptr);
    ASSERT_EQ(d.ImageBindGroupCache.size(), 1u);
    EXPECT_EQ(d.ImageBindGroupCache[0].Key, textureKey(io.Fonts->TexID));
    EXPECT_EQ(d.ImageBindGroupCache[0].BindGroup, d.FontImageBindGroup);

    // Texture of the atlas's size, one copy of rows width * 4 bytes apart (the
    // default atlas width is a multiple of 64 pixels).
    unsigned char* pixels = nullptr;
    int width = 0, height = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    EXPECT_EQ(wgpuTextureGetWidth(d.FontTexture), static_cast<uint32_t>(width));
    EXPECT_EQ(wgpuTextureGetHeight(d.FontTexture), static_cast<uint32_t>(height));
    EXPECT_EQ(wgpuTextureGetFormat(d.FontTexture), WGPUTextureFormat_RGBA8Unorm);
    const auto copies = g_wgpuLog.of(WgpuOp::CopyBufferToTexture);
    ASSERT_EQ(copies.size(), 1u);
    ASSERT_EQ(width % 64, 0);
    EXPECT_EQ(copies[0].u[0], static_cast<uint64_t>(width) * 4);
    EXPECT_EQ(copies[0].u[1], static_cast<uint64_t>(height));
    EXPECT_EQ(copies[0].u[2], static_cast<uint64_t>(width));
    EXPECT_EQ(copies[0].u[3], static_cast<uint64_t>(height));

    // The uniform buffer is 64 bytes; intermediate objects are gone already.
    const auto buffers = g_wgpuLog.of(WgpuOp::CreateBuffer);
    bool uniform = false;
    for (const WgpuCall& b : buffers)
        uniform |= b.label == "Dear ImGui Uniform buffer" && b.u[0] == 64;
    EXPECT_TRUE(uniform);
    const auto live = g_wgpuLog.liveByKind();
    EXPECT_EQ(live.count("shader module"), 0u);
    EXPECT_EQ(live.count("pipeline layout"), 0u);
    EXPECT_EQ(live.count("command encoder"), 0u);
    EXPECT_EQ(live.count("command buffer"), 0u);
    EXPECT_EQ(live.count("queue"), 0u);
    EXPECT_EQ(live.at("bind group layout"), 1); // the image layout, kept
    EXPECT_EQ(live.at("buffer"), 1);            // the uniform buffer; no staging buffer

    const int referencesReady = g_wgpuLog.liveReferences();
    ImGui_ImplWGPU_NewFrame();
    ImGui_ImplWGPU_NewFrame();
    EXPECT_EQ(ImGui_ImplWGPU_GetDiagnostics().Pipeline, d.Pipeline);
    EXPECT_EQ(g_wgpuLog.liveReferences(), referencesReady);
    EXPECT_EQ(g_wgpuLog.of(WgpuOp::CopyBufferToTexture).size(), 1u);
}

TEST_F(Lifecycle, InvalidateReleasesEverythingAndNoCachedBindGroupSurvives) {
    initReady();
    UserTexture image(*gpu_, 8, 8);
    RenderTarget target(*gpu_, 64, 64);
    auto drawWithImage = [&] {
        TestDrawData data(ImVec2(0, 0), ImVec2(64, 64));
        ImDrawList& list = data.addList();
        addGeometry(list, 3, 3, ImVec4(0, 0, 64, 64), ImGui::GetIO().Fonts->TexID);
        addGeometry(list, 3, 3, ImVec4(0, 0, 64, 64), image.view);
        render(target, data.get());
    };
    drawWithImage();
    ASSERT_EQ(ImGui_ImplWGPU_GetDiagnostics().ImageBindGroupCache.size(), 2u);

    ImGui_ImplWGPU_InvalidateDeviceObjects();
    const ImGui_ImplWGPU_Diagnostics d = ImGui_ImplWGPU_GetDiagnostics();
    expectNoDeviceObjects(d);
    EXPECT_TRUE(d.ImageBindGroupCache.empty());
    EXPECT_EQ(ImGui::GetIO().Fonts->TexID, nullptr);
    for (const ImGui_ImplWGPU_DiagnosticSlot& slot : d.FrameSlots) {
        EXPECT_EQ(slot.VertexBuffer, nullptr);
        EXPECT_EQ(slot.IndexBuffer, nullptr);
        EXPECT_EQ(slot.VertexHostCopy, nullptr);
        EXPECT_EQ(slot.IndexHostCopy, nullptr);
    }
    // Only the test's own target and image remain.
    const auto live = g_wgpuLog.liveByKind();
    EXPECT_EQ(live.at("texture"), 2);
    EXPECT_EQ(live.at("texture view"), 2);
    EXPECT_EQ(live.size(), 2u);
    EXPECT_EQ(g_wgpuLog.releasesOfDeadObjects, 0);

    // While invalidated nothing is recorded.
    g_wgpuLog.clear();
    drawWithImage();
    EXPECT_TRUE(g_wgpuLog.of(WgpuOp::DrawIndexed).empty());

    // Re-created: the image gets a new bind group, made on its first use again.
    ImGui_ImplWGPU_NewFrame();
    g_wgpuLog.clear();
    drawWithImage();
    EXPECT_EQ(g_wgpuLog.of(WgpuOp::CreateBindGroup).size(), 1u);
    EXPECT_EQ(g_wgpuLog.of(WgpuOp::DrawIndexed).size(), 2u);
    EXPECT_EQ(gpu_->flushErrors().size(), 0u) << firstError();
}

TEST_F(Lifecycle, CreateWhileReadyReplacesEveryObject) {
    initReady();
    RenderTarget target(*gpu_, 64, 64);
    TestDrawData data(ImVec2(0, 0), ImVec2(64, 64));
    addGeometry(data.addList(), 30, 30, ImVec4(0, 0, 64, 64), ImGui::GetIO().Fonts->TexID);
    render(target, data.get());
    render(target, data.get());
    const ImGui_ImplWGPU_Diagnostics before = ImGui_ImplWGPU_GetDiagnostics();
    ASSERT_NE(before.FrameSlots[1].VertexBuffer, nullptr);
    const int referencesBefore = g_wgpuLog.liveReferences();

    const ImTextureID fontId = ImGui::GetIO().Fonts->TexID;
    ASSERT_TRUE(ImGui_ImplWGPU_CreateDeviceObjects());
    const ImGui_ImplWGPU_Diagnostics after = ImGui_ImplWGPU_GetDiagnostics();
    // The eight device objects were released and made anew; the buffers of the
    // two slots used (two each) were released.
    EXPECT_EQ(g_wgpuLog.liveReferences(), referencesBefore - 4);
    for (const ImGui_ImplWGPU_DiagnosticSlot& slot : after.FrameSlots) {
        EXPECT_EQ(slot.VertexBuffer, nullptr);
        EXPECT_EQ(slot.IndexBuffer, nullptr);
    }
    // Capacities survive, so the next draw makes buffers of at least that size.
    EXPECT_EQ(after.FrameSlots[0].VertexCapacity, before.FrameSlots[0].VertexCapacity);
    // The atlas keeps its texture id, now standing for the new font objects.
    EXPECT_NE(after.FontTextureView, before.FontTextureView);
    EXPECT_EQ(ImGui::GetIO().Fonts->TexID, fontId);
    ASSERT_EQ(after.ImageBindGroupCache.size(), 1u);
    EXPECT_EQ(after.ImageBindGroupCache[0].Key, textureKey(fontId));
    EXPECT_EQ(after.ImageBindGroupCache[0].BindGroup, after.FontImageBindGroup);

    TestDrawData next(ImVec2(0, 0), ImVec2(64, 64));
    addGeometry(next.addList(), 30, 30, ImVec4(0, 0, 64, 64), ImGui::GetIO().Fonts->TexID);
    render(target, next.get());
    EXPECT_NE(ImGui_ImplWGPU_GetDiagnostics().FrameSlots[2].VertexBuffer, nullptr);
    EXPECT_EQ(gpu_->flushErrors().size(), 0u) << firstError();

    // Draw data made before the re-creation is drawn with the atlas as it is
    // now: no bind group is made from the released font view.
    g_wgpuLog.clear();
    render(target, data.get());
    EXPECT_TRUE(g_wgpuLog.of(WgpuOp::CreateBindGroup).empty());
    std::vector<const void*> textureGroups;
    for (const WgpuCall& call : g_wgpuLog.of(WgpuOp::SetBindGroup)) {
        if (call.u[0] == 1)
            textureGroups.push_back(call.object);
    }
    EXPECT_EQ(textureGroups, std::vector<const void*>{after.FontImageBindGroup});
    EXPECT_EQ(g_wgpuLog.of(WgpuOp::DrawIndexed).size(), 1u);
    EXPECT_EQ(gpu_->flushErrors().size(), 0u) << firstError();
}

TEST_F(Lifecycle, ShutdownReturnsEveryReferenceAndForgetsTheDevice) {
    initReady(2);
    UserTexture image(*gpu_, 4, 4);
    RenderTarget target(*gpu_, 64, 64);
    for (int frame = 0; frame < 5; ++frame) {
        TestDrawData data(ImVec2(0, 0), ImVec2(64, 64));
        addGeometry(data.addList(), 10 + frame * 3000, 12 + frame * 5001, ImVec4(0, 0, 64, 64),
                    frame % 2 ? image.view : ImGui::GetIO().Fonts->TexID);
        render(target, data.get());
    }
    ImGui_ImplWGPU_Shutdown();

    expectNotInitialised(ImGui_ImplWGPU_GetDiagnostics());
    EXPECT_TRUE(ImGui_ImplWGPU_GetDiagnostics().ImageBindGroupCache.empty());
    const auto live = g_wgpuLog.liveByKind();
    EXPECT_EQ(live.at("texture"), 2); // the test's target and image
    EXPECT_EQ(live.at("texture view"), 2);
    EXPECT_EQ(live.size(), 2u);
    EXPECT_EQ(g_wgpuLog.releasesOfDeadObjects, 0);

    // Shut down, the binding does nothing and refers to nothing.
    ImGui_ImplWGPU_InvalidateDeviceObjects();
    EXPECT_FALSE(ImGui_ImplWGPU_CreateDeviceObjects());
    EXPECT_EQ(ImGui::GetIO().Fonts->TexID, nullptr);
}

TEST_F(Lifecycle, InitAgainWhileReadyShutsTheFirstDown) {
    initReady(3);
    RenderTarget target(*gpu_, 64, 64);
    TestDrawData data(ImVec2(0, 0), ImVec2(64, 64));
    addGeometry(data.addList(), 3, 3, ImVec4(0, 0, 64, 64), ImGui::GetIO().Fonts->TexID);
    render(target, data.get());
    const int referencesWithTarget = referencesAtStart_ + 2;

    ASSERT_TRUE(ImGui_ImplWGPU_Init(gpu_->device(), 1, WGPUTextureFormat_RGBA8Unorm));
    EXPECT_EQ(g_wgpuLog.liveReferences(), referencesWithTarget);
    EXPECT_EQ(ImGui_ImplWGPU_GetDiagnostics().FramesInFlight, 1u);
    ImGui_ImplWGPU_NewFrame();
    EXPECT_NE(ImGui_ImplWGPU_GetDiagnostics().Pipeline, nullptr);
}

} // namespace

// What no picture shows: the faces (nothing is culled either way), which
// stages see each binding, and the uniform binding's 64 bytes.
TEST_F(Lifecycle, BindingsAndFacesAreDescribedAsTheProgramsUseThem) {
    initReady();
    EXPECT_EQ(g_wgpuLog.primitive.frontFace, WGPUFrontFace_CW);
    EXPECT_EQ(g_wgpuLog.primitive.cullMode, WGPUCullMode_None);

    const std::vector<WGPUBindGroupLayoutEntry>& layouts = g_wgpuLog.layoutEntries;
    ASSERT_EQ(layouts.size(), 3u); // common: uniform, sampler; image: texture
    EXPECT_EQ(layouts[0].binding, 0u);
    EXPECT_EQ(layouts[0].visibility, WGPUShaderStage_Vertex);
    EXPECT_EQ(layouts[0].buffer.type, WGPUBufferBindingType_Uniform);
    EXPECT_FALSE(layouts[0].buffer.hasDynamicOffset);
    EXPECT_EQ(layouts[0].buffer.minBindingSize, 0u);
    EXPECT_EQ(layouts[1].binding, 1u);
    EXPECT_EQ(layouts[1].visibility, WGPUShaderStage_Fragment);
    EXPECT_EQ(layouts[1].sampler.type, WGPUSamplerBindingType_Filtering);
    EXPECT_EQ(layouts[2].binding, 0u);
    EXPECT_EQ(layouts[2].visibility, WGPUShaderStage_Fragment);
    EXPECT_EQ(layouts[2].texture.sampleType, WGPUTextureSampleType_Float);
    EXPECT_EQ(layouts[2].texture.viewDimension, WGPUTextureViewDimension_2D);
    EXPECT_FALSE(layouts[2].texture.multisampled);

    const ImGui_ImplWGPU_Diagnostics d = ImGui_ImplWGPU_GetDiagnostics();
    const std::vector<WGPUBindGroupEntry>& groups = g_wgpuLog.groupEntries;
    ASSERT_EQ(groups.size(), 3u); // common: uniform, sampler; the font's image
    EXPECT_EQ(groups[0].binding, 0u);
    EXPECT_EQ(groups[0].buffer, d.UniformBuffer);
    EXPECT_EQ(groups[0].offset, 0u);
    EXPECT_EQ(groups[0].size, 64u);
    EXPECT_EQ(groups[1].binding, 1u);
    EXPECT_EQ(groups[1].sampler, d.FontSampler);
    EXPECT_EQ(groups[2].binding, 0u);
    EXPECT_EQ(groups[2].textureView, d.FontTextureView);
}
