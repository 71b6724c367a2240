#include "SceneFixture.h"

#include "Surface.h"

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
