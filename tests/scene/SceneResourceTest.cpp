#include "SceneFixture.h"

#include "Surface.h"
#include "imgui_impl_wgpu.h"

#include <imgui.h>

TEST_F(SceneOnNullDevice, MakesItsPipelineBuffersAndBindGroupWithoutErrors) {
    EXPECT_EQ(validationErrorsOf([this] { scene->createPipelineAndBuffers(); }), "");
    EXPECT_NE(scene->getPipeline(), nullptr);
    EXPECT_NE(scene->getBindGroup(), nullptr);

    ASSERT_NE(scene->getVertexBuffer(), nullptr);
    EXPECT_EQ(wgpuBufferGetSize(scene->getVertexBuffer()), 60u);
    EXPECT_EQ(wgpuBufferGetUsage(scene->getVertexBuffer()),
              WGPUBufferUsage_Vertex | WGPUBufferUsage_CopyDst);

    ASSERT_NE(scene->getIndexBuffer(), nullptr);
    EXPECT_EQ(wgpuBufferGetSize(scene->getIndexBuffer()), 8u);
    EXPECT_EQ(wgpuBufferGetUsage(scene->getIndexBuffer()),
              WGPUBufferUsage_Index | WGPUBufferUsage_CopyDst);

    ASSERT_NE(scene->getUniformBuffer(), nullptr);
    EXPECT_EQ(wgpuBufferGetSize(scene->getUniformBuffer()), 4u);
    EXPECT_EQ(wgpuBufferGetUsage(scene->getUniformBuffer()),
              WGPUBufferUsage_Uniform | WGPUBufferUsage_CopyDst);
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
