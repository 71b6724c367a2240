#include "SceneFixture.h"

#include "Device.h"
#include "Process.h"
#include "imgui_impl_glfw.h"
#include "imgui_impl_wgpu.h"

#include <GLFW/glfw3.h>
#include <imgui.h>
#include <unistd.h>

#include <string>

namespace {
// The scene with its control panel, whose frames upload the panel's vertices
// through the queue, on the back end given.
class RejectedFrames : public SceneOnWindow, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(bringUp(GetParam()));
        scene->setShowUI(true);
        scene->initUI(window.getGlfwWindow());
        scene->createPipelineAndBuffers();
    }
    void TearDown() override {
        if (device != nullptr) {
            wgpuDeviceTick(device);
            reported += ::testing::internal::GetCapturedStdout();
            ::testing::internal::CaptureStdout();
        }
        if (ImGui::GetCurrentContext() != nullptr) {
            ImGui_ImplWGPU_Shutdown();
            ImGui_ImplGlfw_Shutdown();
            ImGui::DestroyContext();
        }
        SceneOnWindow::TearDown();
    }

    // What the device reported since the last call.
    std::string takeReports() {
        reported += ::testing::internal::GetCapturedStdout();
        ::testing::internal::CaptureStdout();
        std::string taken;
        taken.swap(reported);
        return taken;
    }

    std::string reported;
};

size_t countOf(const std::string& text, const std::string& needle) {
    size_t count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
        ++count;
    }
    return count;
}
} // namespace

// Every frame's render pass is rejected, as a clear value of no numbers once
// made it: each is reported, none leaves anything behind, and the scene
// renders cleanly again once the passes are valid.
TEST_P(RejectedFrames, LeaveResidentMemoryFlat) {
    renderFrames(5);
    ASSERT_EQ(takeReports(), "");

    g_frameRecord.rejectPasses = true;
    // The allocators settle during the first frames.
    renderFrames(1000);
    const long settled = residentBytes();
    constexpr int kFrames = 4000;
    renderFrames(kFrames);
    [[maybe_unused]] const long grown = residentBytes() - settled;
    g_frameRecord.rejectPasses = false;
#if !defined(__SANITIZE_ADDRESS__)
    // Beside what the allocators keep in reserve nothing may grow; a frame's
    // panel alone uploads some 25 KB.
    EXPECT_LE(grown, 2L << 20) << "resident memory grew by " << grown << " bytes";
#endif
    EXPECT_GE(countOf(takeReports(), "BeginRenderPass"), static_cast<size_t>(kFrames));

    EXPECT_EQ(validationErrorsOf([this] { renderFrames(5); }), "");
}

INSTANTIATE_TEST_SUITE_P(Backends, RejectedFrames, ::testing::Values(kBackendNull, kBackendAny),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == kBackendNull ? "Null" : "Primary");
                         });
