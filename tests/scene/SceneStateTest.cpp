#include "Scene.h"

#include <gtest/gtest.h>

namespace {
void expectColor(const ImVec4& color, float r, float g, float b, float a) {
    EXPECT_FLOAT_EQ(color.x, r);
    EXPECT_FLOAT_EQ(color.y, g);
    EXPECT_FLOAT_EQ(color.z, b);
    EXPECT_FLOAT_EQ(color.w, a);
}
} // namespace

TEST(FreshScene, StandsStillInTheDefaultColoursWithThePanelShownAndNoGpuObjects) {
    const Scene scene;
    EXPECT_EQ(scene.getRotationDegrees(), 0.0f);
    EXPECT_EQ(scene.getDirection(), 1);
    EXPECT_TRUE(scene.getShowUI());
    EXPECT_EQ(scene.getRotationSpeed(), 0.0f);
    expectColor(scene.getClearColor(), 0.45f, 0.55f, 0.60f, 1.0f);
    expectColor(scene.getVertex1Color(), 1.0f, 0.0f, 0.0f, 1.0f);
    expectColor(scene.getVertex2Color(), 0.0f, 1.0f, 0.0f, 1.0f);
    expectColor(scene.getVertex3Color(), 0.0f, 0.0f, 1.0f, 1.0f);
    EXPECT_EQ(scene.getPipeline(), nullptr);
    EXPECT_EQ(scene.getVertexBuffer(), nullptr);
    EXPECT_EQ(scene.getIndexBuffer(), nullptr);
    EXPECT_EQ(scene.getUniformBuffer(), nullptr);
    EXPECT_EQ(scene.getBindGroup(), nullptr);
}
