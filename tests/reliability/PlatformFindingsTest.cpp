// What the fuzz target for GLFW's events found in the UI platform binding.

#include "imgui_impl_glfw.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>
#include <imgui.h>

namespace {

class PlatformBindingInput : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(glfwInit());
        glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
        window = glfwCreateWindow(640, 480, "binding", nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        ImGui::CreateContext();
        ImGui::GetIO().IniFilename = nullptr;
        unsigned char* pixels = nullptr;
        int width = 0;
        int height = 0;
        ImGui::GetIO().Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
        ImGui_ImplGlfw_InitForOther(window, true);
    }
    void TearDown() override {
        ImGui_ImplGlfw_Shutdown();
        ImGui::DestroyContext();
        glfwDestroyWindow(window);
        glfwTerminate();
    }
    void frame() {
        ImGui_ImplGlfw_NewFrame();
        ImGui::NewFrame();
        ImGui::Begin("panel");
        ImGui::Text("text");
        ImGui::End();
        ImGui::Render();
    }

    GLFWwindow* window = nullptr;
};

// Found as: Dear ImGui's assertion "Invalid DisplaySize value!" stopping the
// program, for a window size below zero handed over as it came.
TEST_F(PlatformBindingInput, ASizeBelowZeroCountsAsAnEmptyDisplay) {
    ImGui_ImplGlfw_WindowSizeCallback(window, -5, 300);
    frame();
    EXPECT_EQ(ImGui::GetIO().DisplaySize.x, 0.0f);
    EXPECT_EQ(ImGui::GetIO().DisplaySize.y, 300.0f);
    ImGui_ImplGlfw_WindowSizeCallback(window, 200, -2147483647 - 1);
    frame();
    EXPECT_EQ(ImGui::GetIO().DisplaySize.x, 200.0f);
    EXPECT_EQ(ImGui::GetIO().DisplaySize.y, 0.0f);
    ImGui_ImplGlfw_WindowSizeCallback(window, 640, 480);
    frame();
    EXPECT_EQ(ImGui::GetIO().DisplaySize.x, 640.0f);
    EXPECT_EQ(ImGui::GetIO().DisplaySize.y, 480.0f);
}

} // namespace
