#pragma once

#include "WgpuCallLog.h"
#include "WgpuTestDevice.h"
#include "imgui_impl_wgpu_diagnostics.h"

#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <memory>

inline ImGuiID textureKey(const void* handle) {
    ImTextureID id = const_cast<void*>(handle);
    return ImHashData(&id, sizeof(id), 0);
}

// A Dear ImGui context and a device of the chosen back end; the binding is shut
// down and every reference it took is expected back when the test ends.
class RendererTest : public ::testing::Test {
  protected:
    explicit RendererTest(WGPUBackendType backend = WGPUBackendType_Null) : backend_(backend) {}

    void SetUp() override {
        context_ = ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.IniFilename = nullptr;
        io.DisplaySize = ImVec2(1280.0f, 720.0f);
        io.DeltaTime = 1.0f / 60.0f;
        gpu_ = std::make_unique<WgpuTestDevice>(backend_);
        ASSERT_NE(gpu_->device(), nullptr);
        g_wgpuLog.clear();
        referencesAtStart_ = g_wgpuLog.liveReferences();
    }

    void TearDown() override {
        ImGui_ImplWGPU_Shutdown();
        if (gpu_ && gpu_->device()) {
            EXPECT_EQ(gpu_->flushErrors().size(), 0u) << firstError();
        }
        EXPECT_EQ(g_wgpuLog.liveReferences(), referencesAtStart_) << "references left over";
        EXPECT_EQ(g_wgpuLog.releasesOfDeadObjects, 0);
        gpu_.reset();
        ImGui::DestroyContext(context_);
    }

    std::string firstError() const {
        return gpu_->errors().empty() ? std::string() : gpu_->errors().front();
    }

    void initReady(int frames = 3) {
        ASSERT_TRUE(ImGui_ImplWGPU_Init(gpu_->device(), frames, WGPUTextureFormat_RGBA8Unorm));
        ImGui_ImplWGPU_NewFrame();
        ASSERT_NE(ImGui_ImplWGPU_GetDiagnostics().Pipeline, nullptr);
    }

    // Records the draw data into a pass on `target` and submits it.
    void render(RenderTarget& target, ImDrawData* drawData, WGPUColor clear = {0, 0, 0, 1}) {
        WGPURenderPassEncoder pass = target.begin(clear);
        ImGui_ImplWGPU_RenderDrawData(drawData, pass);
        target.end();
    }

    WGPUBackendType backend_;
    ImGuiContext* context_ = nullptr;
    std::unique_ptr<WgpuTestDevice> gpu_;
    int referencesAtStart_ = 0;
};
