// Draw data the UI library never makes, but a fuzzer (tests/fuzz) did: the
// renderer binding must record a frame the device accepts, drawing what can be
// drawn and skipping the rest.

#include "RendererFixture.h"

namespace {

class MalformedDrawData : public RendererTest {
  protected:
    void SetUp() override {
        RendererTest::SetUp();
        if (HasFatalFailure())
            return;
        target_ = std::make_unique<RenderTarget>(*gpu_, 320, 200);
        initReady();
    }
    void TearDown() override {
        target_.reset();
        RendererTest::TearDown();
    }
    // Records and submits the draw data; the draws it made, as (index count,
    // first index, base vertex).
    std::vector<std::vector<uint64_t>> draw(TestDrawData& data) {
        g_wgpuLog.clear();
        render(*target_, data.get());
        std::vector<std::vector<uint64_t>> draws;
        for (const WgpuCall& call : g_wgpuLog.of(WgpuOp::DrawIndexed))
            draws.push_back({call.u[0], call.u[2], call.u[3]});
        EXPECT_EQ(gpu_->flushErrors().size(), 0u) << firstError();
        return draws;
    }
    ImTextureID font() const { return ImGui::GetIO().Fonts->TexID; }

    std::unique_ptr<RenderTarget> target_;
};

const ImVec4 kWhole(0, 0, 320, 200);

using Draws = std::vector<std::vector<uint64_t>>;

// Found as: DrawIndexed(3077355948, 1, 149, -395833703, 0) rejected by the
// device ("Index range does not fit in index buffer"), and with it the frame.
TEST_F(MalformedDrawData, CommandsReachingPastTheirListsIndicesOrVerticesAreSkipped) {
    TestDrawData data(ImVec2(0, 0), ImVec2(320, 200));
    ImDrawList& first = data.addList();
    addGeometry(first, 10, 12, kWhole, font());
    ImDrawCmd& tooManyIndices = addGeometry(first, 3, 3, kWhole, font());
    tooManyIndices.ElemCount = 3077355948u;
    ImDrawCmd& pastTheIndices = addGeometry(first, 3, 3, kWhole, font());
    pastTheIndices.IdxOffset = 20; // 5 indices from the 21st: one past the list's 24
    pastTheIndices.ElemCount = 5;
    ImDrawCmd& wrapsAround = addGeometry(first, 3, 3, kWhole, font());
    wrapsAround.IdxOffset = 0xFFFFFFF0u;
    wrapsAround.ElemCount = 0x20u;
    ImDrawCmd& pastTheVertices = addGeometry(first, 3, 3, kWhole, font());
    pastTheVertices.VtxOffset = 22; // the list has 22 vertices
    ImDrawList& middle = data.addList();
    addGeometry(middle, 3, 3, kWhole, font());
    // Counted from the list's third vertex, its last index names the fourth
    // of three: the next list's first.
    ImDrawCmd& indexPastTheVertices = addGeometry(middle, 0, 3, kWhole, font());
    indexPastTheVertices.VtxOffset = 2;
    middle.IdxBuffer.back() = 1;
    ImDrawList& second = data.addList();
    addGeometry(second, 4, 6, kWhole, font());
    // The list's last indices, counted from its last vertex.
    ImDrawCmd& lastOfAll = addGeometry(second, 2, 6, kWhole, font());
    lastOfAll.VtxOffset = 5;
    for (int i = 6; i < 12; ++i)
        second.IdxBuffer[i] = 0;

    // The well-formed commands are drawn, with offsets running over both lists.
    EXPECT_EQ(draw(data), (Draws{{12, 0, 0}, {3, 24, 22}, {6, 30, 25}, {6, 36, 30}}));
}

// Found as: "Binding entry textureView not set", the bind group for a command
// with no texture (an image given none) rejected, and with it the frame.
TEST_F(MalformedDrawData, CommandsWithoutATextureAreSkipped) {
    UserTexture image(*gpu_, 8, 8);
    TestDrawData data(ImVec2(0, 0), ImVec2(320, 200));
    ImDrawList& list = data.addList();
    addGeometry(list, 3, 3, kWhole, font());
    addGeometry(list, 3, 3, kWhole, nullptr);
    addGeometry(list, 3, 3, kWhole, image.view);
    EXPECT_EQ(draw(data), (Draws{{3, 0, 0}, {3, 6, 0}}));
    // Nor is anything kept for it.
    for (const ImGui_ImplWGPU_DiagnosticCacheEntry& entry :
         ImGui_ImplWGPU_GetDiagnostics().ImageBindGroupCache)
        EXPECT_NE(entry.Key, textureKey(nullptr));
}

} // namespace
