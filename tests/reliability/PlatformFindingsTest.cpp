// What the fuzz target for GLFW's events found in the UI platform binding.

#include "imgui_impl_glfw.h"

#include "GlfwStart.h"

#include <GLFW/glfw3.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <imgui.h>

namespace {
// The window size GLFW reports to the binding, when set.
bool g_fakeSize = false;
int g_fakeWidth = 0;
int g_fakeHeight = 0;
} // namespace

extern "C" void glfwGetWindowSize(GLFWwindow* window, int* width, int* height) {
    if (g_fakeSize) {
        *width = g_fakeWidth;
        *height = g_fakeHeight;
        return;
    }
    using Real = void (*)(GLFWwindow*, int*, int*);
    reinterpret_cast<Real>(dlsym(RTLD_NEXT, "glfwGetWindowSize"))(window, width, height);
}

namespace {

class PlatformBindingInput : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(startGlfw());
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
        g_fakeSize = false;
        ImGui_ImplGlfw_Shutdown();
        ImGui::DestroyContext();
        glfwDestroyWindow(window);
        glfwTerminate();
    }
    static void reportWindowSize(int width, int height) {
        g_fakeWidth = width;
        g_fakeHeight = height;
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
    g_fakeSize = true;
    reportWindowSize(-5, 300);
    frame();
    EXPECT_EQ(ImGui::GetIO().DisplaySize.x, 0.0f);
    EXPECT_EQ(ImGui::GetIO().DisplaySize.y, 300.0f);
    reportWindowSize(200, -2147483647 - 1);
    frame();
    EXPECT_EQ(ImGui::GetIO().DisplaySize.x, 200.0f);
    EXPECT_EQ(ImGui::GetIO().DisplaySize.y, 0.0f);
    reportWindowSize(640, 480);
    frame();
    EXPECT_EQ(ImGui::GetIO().DisplaySize.x, 640.0f);
    EXPECT_EQ(ImGui::GetIO().DisplaySize.y, 480.0f);
}

} // namespace
