// What one call of ImGui_ImplWGPU_RenderDrawData records and uploads, observed
// through the WebGPU calls it makes on Dawn's null back end: slot rotation,
// buffer growth, uploads, render state, callbacks, draw offsets, scissors and
// the texture bind-group cache.

#include "RendererFixture.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

class FrameRecording : public RendererTest {
  protected:
    void SetUp() override {
        RendererTest::SetUp();
        if (HasFatalFailure())
            return;
        target_ = std::make_unique<RenderTarget>(*gpu_, 1280, 720);
    }
    void TearDown() override {
        target_.reset();
        RendererTest::TearDown();
    }
    void draw(TestDrawData& data) {
        g_wgpuLog.clear();
        render(*target_, data.get());
    }
    ImTextureID font() const { return ImGui::GetIO().Fonts->TexID; }

    std::unique_ptr<RenderTarget> target_;
};

const ImVec4 kWholeDisplay(0, 0, 1280, 720);

std::vector<WgpuCall> statesAndDraws() {
    std::vector<WgpuCall> result;
    for (const WgpuCall& call : g_wgpuLog.calls) {
        if (call.op != WgpuOp::CreateBuffer && call.op != WgpuOp::CreateBindGroup)
            result.push_back(call);
    }
    return result;
}

std::vector<float> floatsOf(const WgpuCall& write) {
    std::vector<float> values(write.bytes.size() / sizeof(float));
    std::memcpy(values.data(), write.bytes.data(), values.size() * sizeof(float));
    return values;
}

TEST_F(FrameRecording, SlotsRotateFromSlotZeroAndAnEmptyDisplayRecordsNothing) {
    initReady(3);
    const std::vector<size_t> expected = {0, 1, 2, 0};
    for (size_t frame = 0; frame < expected.size(); ++frame) {
        TestDrawData data(ImVec2(0, 0), ImVec2(1280, 720));
        addGeometry(data.addList(), 3, 3, kWholeDisplay, font());
        draw(data);
        const ImGui_ImplWGPU_Diagnostics d = ImGui_ImplWGPU_GetDiagnostics();
        EXPECT_EQ(d.FrameIndex, frame);
        const auto bound = g_wgpuLog.of(WgpuOp::SetVertexBuffer);
        ASSERT_EQ(bound.size(), 1u);
        EXPECT_EQ(bound[0].object, d.FrameSlots[expected[frame]].VertexBuffer) << frame;
        EXPECT_EQ(g_wgpuLog.of(WgpuOp::SetIndexBuffer)[0].object,
                  d.FrameSlots[expected[frame]].IndexBuffer);
    }

    for (ImVec2 size : {ImVec2(0, 720), ImVec2(1280, 0), ImVec2(-5, 720)}) {
        TestDrawData data(ImVec2(0, 0), size);
        addGeometry(data.addList(), 3, 3, kWholeDisplay, font());
        draw(data);
        EXPECT_TRUE(g_wgpuLog.calls.empty());
        EXPECT_EQ(ImGui_ImplWGPU_GetDiagnostics().FrameIndex, 3u);
    }
    // Nor does missing draw data (ImGui::GetDrawData before the first ImGui::Render).
    g_wgpuLog.clear();
    render(*target_, nullptr);
    EXPECT_TRUE(g_wgpuLog.calls.empty());
    EXPECT_EQ(ImGui_ImplWGPU_GetDiagnostics().FrameIndex, 3u);
}

TEST_F(FrameRecording, BuffersGrowWithMarginsOnlyWhenTooSmall) {
    initReady(1);
    auto frame = [&](int vertices, int indices) {
        TestDrawData data(ImVec2(0, 0), ImVec2(1280, 720));
        addGeometry(data.addList(), vertices, indices, kWholeDisplay, font());
        draw(data);
        return ImGui_ImplWGPU_GetDiagnostics().FrameSlots[0];
    };

    ImGui_ImplWGPU_DiagnosticSlot slot = frame(100, 150);
    EXPECT_EQ(slot.VertexCapacity, 5100);
    EXPECT_EQ(slot.IndexCapacity, 10150);
    auto created = g_wgpuLog.of(WgpuOp::CreateBuffer);
    ASSERT_EQ(created.size(), 2u);
    EXPECT_EQ(created[0].label, "Dear ImGui Vertex buffer");
    EXPECT_EQ(created[0].u[0], 5100u * 20);
    EXPECT_EQ(created[0].u[1], WGPUBufferUsage_Vertex | WGPUBufferUsage_CopyDst);
    EXPECT_EQ(created[1].label, "Dear ImGui Index buffer");
    EXPECT_EQ(created[1].u[0], 10150u * 2);
    EXPECT_EQ(created[1].u[1], WGPUBufferUsage_Index | WGPUBufferUsage_CopyDst);
    EXPECT_EQ(g_wgpuLog.of(WgpuOp::SetVertexBuffer)[0].u[2], 5100u * 20);
    EXPECT_EQ(g_wgpuLog.of(WgpuOp::SetIndexBuffer)[0].u[0], WGPUIndexFormat_Uint16);
    EXPECT_EQ(g_wgpuLog.of(WgpuOp::SetIndexBuffer)[0].u[2], 10150u * 2);

    // Exactly the capacities: the same buffers serve.
    slot = frame(5100, 10150);
    EXPECT_TRUE(g_wgpuLog.of(WgpuOp::CreateBuffer).empty());
    EXPECT_EQ(slot.VertexCapacity, 5100);

    // One vertex more: only the vertex buffer is made anew, with the margin again.
    slot = frame(5101, 10150);
    created = g_wgpuLog.of(WgpuOp::CreateBuffer);
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].label, "Dear ImGui Vertex buffer");
    EXPECT_EQ(slot.VertexCapacity, 10101);
    EXPECT_EQ(slot.IndexCapacity, 10150);
    EXPECT_EQ(gpu_->flushErrors().size(), 0u) << firstError();
}

TEST_F(FrameRecording, UploadsAreGatheredAlignedAndStayWithinTheBuffers) {
    initReady(1);
    // Three indices: one write each, the index write padded to 8 bytes.
    TestDrawData small(ImVec2(0, 0), ImVec2(1280, 720));
    addGeometry(small.addList(), 3, 3, kWholeDisplay, font());
    draw(small);
    auto writes = g_wgpuLog.of(WgpuOp::WriteBuffer);
    const ImGui_ImplWGPU_Diagnostics d = ImGui_ImplWGPU_GetDiagnostics();
    ASSERT_EQ(writes.size(), 3u); // vertices, indices, projection
    EXPECT_EQ(writes[0].object, d.FrameSlots[0].VertexBuffer);
    EXPECT_EQ(writes[0].u[1], 60u);
    EXPECT_EQ(writes[1].object, d.FrameSlots[0].IndexBuffer);
    EXPECT_EQ(writes[1].u[1], 8u);
    const ImDrawIdx* uploaded = reinterpret_cast<const ImDrawIdx*>(writes[1].bytes.data());
    EXPECT_EQ(uploaded[0], 0);
    EXPECT_EQ(uploaded[2], 2);
    EXPECT_EQ(writes[2].object, d.UniformBuffer);

    // Capacity now 10003 indices, an odd number. An odd total equal to it
    // would need 10004 indices' room for the padded write: the buffer grows.
    TestDrawData odd(ImVec2(0, 0), ImVec2(1280, 720));
    addGeometry(odd.addList(), 3, 10003, kWholeDisplay, font());
    draw(odd);
    auto created = g_wgpuLog.of(WgpuOp::CreateBuffer);
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].label, "Dear ImGui Index buffer");
    EXPECT_EQ(ImGui_ImplWGPU_GetDiagnostics().FrameSlots[0].IndexCapacity, 20003);
    writes = g_wgpuLog.of(WgpuOp::WriteBuffer);
    EXPECT_EQ(writes[1].u[1], 20008u);
    EXPECT_LE(writes[1].u[1], created[0].u[0]);

    // An even total equal to the capacity fits as it is.
    TestDrawData evenFirst(ImVec2(0, 0), ImVec2(1280, 720));
    addGeometry(evenFirst.addList(), 3, 30000, kWholeDisplay, font());
    draw(evenFirst); // capacity 40000
    TestDrawData even(ImVec2(0, 0), ImVec2(1280, 720));
    addGeometry(even.addList(), 3, 40000, kWholeDisplay, font());
    draw(even);
    EXPECT_TRUE(g_wgpuLog.of(WgpuOp::CreateBuffer).empty());
    EXPECT_EQ(g_wgpuLog.of(WgpuOp::WriteBuffer)[1].u[1], 80000u);
    EXPECT_EQ(gpu_->flushErrors().size(), 0u) << firstError();
}

TEST_F(FrameRecording, TwoListsDrawWithRunningOffsetsFromOneUpload) {
    initReady();
    TestDrawData data(ImVec2(0, 0), ImVec2(1280, 720));
    ImDrawList& first = data.addList();
    addGeometry(first, 100, 150, kWholeDisplay, font());
    ImDrawList& second = data.addList();
    addGeometry(second, 50, 30, kWholeDisplay, font());
    ImDrawCmd& offset = addGeometry(second, 0, 30, kWholeDisplay, font());
    offset.VtxOffset = 7; // its indices count from the list's 8th vertex
    for (unsigned i = offset.IdxOffset; i < static_cast<unsigned>(second.IdxBuffer.Size); ++i)
        second.IdxBuffer[i] = static_cast<ImDrawIdx>(i % 40);
    draw(data);

    const auto draws = g_wgpuLog.of(WgpuOp::DrawIndexed);
    ASSERT_EQ(draws.size(), 3u);
    const auto args = [](const WgpuCall& c) {
        return std::vector<int64_t>{static_cast<int64_t>(c.u[0]), static_cast<int64_t>(c.u[1]),
                                    static_cast<int64_t>(c.u[2]), static_cast<int64_t>(c.u[3]),
                                    static_cast<int64_t>(c.u[4])};
    };
    EXPECT_EQ(args(draws[0]), (std::vector<int64_t>{150, 1, 0, 0, 0}));
    EXPECT_EQ(args(draws[1]), (std::vector<int64_t>{30, 1, 150, 100, 0}));
    EXPECT_EQ(args(draws[2]), (std::vector<int64_t>{30, 1, 180, 107, 0}));

    // One write per buffer; lists one after the other, indices left as they were.
    const auto writes = g_wgpuLog.of(WgpuOp::WriteBuffer);
    ASSERT_EQ(writes.size(), 3u);
    ASSERT_EQ(writes[0].bytes.size(), 150u * sizeof(ImDrawVert));
    EXPECT_EQ(std::memcmp(writes[0].bytes.data(), first.VtxBuffer.Data, 100 * sizeof(ImDrawVert)),
              0);
    EXPECT_EQ(std::memcmp(writes[0].bytes.data() + 100 * sizeof(ImDrawVert), second.VtxBuffer.Data,
                          50 * sizeof(ImDrawVert)),
              0);
    ASSERT_EQ(writes[1].bytes.size(), 210u * sizeof(ImDrawIdx));
    EXPECT_EQ(std::memcmp(writes[1].bytes.data() + 150 * sizeof(ImDrawIdx), second.IdxBuffer.Data,
                          60 * sizeof(ImDrawIdx)),
              0);
    EXPECT_EQ(gpu_->flushErrors().size(), 0u) << firstError();
}

struct CallbackSeen {
    const ImDrawList* list = nullptr;
    const ImDrawCmd* cmd = nullptr;
    int calls = 0;
};
CallbackSeen g_callbackSeen;

void userCallback(const ImDrawList* list, const ImDrawCmd* cmd) {
    g_callbackSeen.list = list;
    g_callbackSeen.cmd = cmd;
    ++g_callbackSeen.calls;
    g_wgpuLog.mark(42);
}

std::vector<WgpuOp> renderStateOps() {
    return {WgpuOp::WriteBuffer,     WgpuOp::SetViewport, WgpuOp::SetVertexBuffer,
            WgpuOp::SetIndexBuffer,  WgpuOp::SetPipeline, WgpuOp::SetBindGroup,
            WgpuOp::SetBlendConstant};
}

TEST_F(FrameRecording, EmptyDrawDataStillSetsTheRenderState) {
    initReady();
    TestDrawData data(ImVec2(0, 0), ImVec2(1280, 720));
    draw(data);
    const ImGui_ImplWGPU_Diagnostics d = ImGui_ImplWGPU_GetDiagnostics();
    EXPECT_EQ(g_wgpuLog.of(WgpuOp::CreateBuffer).size(), 2u);

    const auto calls = statesAndDraws();
    std::vector<WgpuOp> ops;
    for (const WgpuCall& c : calls)
        ops.push_back(c.op);
    std::vector<WgpuOp> expected = {WgpuOp::WriteBuffer, WgpuOp::WriteBuffer};
    for (WgpuOp op : renderStateOps())
        expected.push_back(op);
    ASSERT_EQ(ops, expected);
    EXPECT_EQ(calls[0].u[1], 0u);
    EXPECT_EQ(calls[1].u[1], 0u);
    EXPECT_EQ(calls[2].object, d.UniformBuffer);
    EXPECT_EQ(calls[2].u[1], 64u);
    EXPECT_EQ(std::vector<double>(calls[3].f, calls[3].f + 6),
              (std::vector<double>{0, 0, 1280, 720, 0, 1}));
    EXPECT_EQ(calls[4].object, d.FrameSlots[0].VertexBuffer);
    EXPECT_EQ(calls[4].u[0], 0u); // vertex buffer slot 0
    EXPECT_EQ(calls[4].u[2], 5000u * 20);
    EXPECT_EQ(calls[5].object, d.FrameSlots[0].IndexBuffer);
    EXPECT_EQ(calls[5].u[2], 10000u * 2);
    EXPECT_EQ(calls[6].object, d.Pipeline);
    EXPECT_EQ(calls[7].object, d.CommonBindGroup);
    EXPECT_EQ(calls[7].u[0], 0u);
    EXPECT_EQ(calls[7].u[1], 0u);
    EXPECT_EQ(std::vector<double>(calls[8].f, calls[8].f + 4), (std::vector<double>{0, 0, 0, 0}));
}

TEST_F(FrameRecording, CallbacksRunOrResetTheRenderStateAndDrawNothing) {
    initReady();
    g_callbackSeen = CallbackSeen{};
    TestDrawData data(ImVec2(0, 0), ImVec2(1280, 720));
    ImDrawList& list = data.addList();
    addGeometry(list, 3, 3, kWholeDisplay, font());
    ImDrawCmd user;
    user.UserCallback = userCallback;
    list.CmdBuffer.push_back(user);
    ImDrawCmd reset;
    reset.UserCallback = ImDrawCallback_ResetRenderState;
    list.CmdBuffer.push_back(reset);
    addGeometry(list, 3, 3, kWholeDisplay, font());
    draw(data);

    EXPECT_EQ(g_callbackSeen.calls, 1);
    EXPECT_EQ(g_callbackSeen.list, &list);
    EXPECT_EQ(g_callbackSeen.cmd, &list.CmdBuffer[1]);

    std::vector<WgpuOp> ops;
    for (const WgpuCall& c : statesAndDraws())
        ops.push_back(c.op);
    std::vector<WgpuOp> expected = {WgpuOp::WriteBuffer, WgpuOp::WriteBuffer};
    for (WgpuOp op : renderStateOps())
        expected.push_back(op);
    for (WgpuOp op : {WgpuOp::SetBindGroup, WgpuOp::SetScissorRect, WgpuOp::DrawIndexed})
        expected.push_back(op);
    expected.push_back(WgpuOp::Marker); // the user callback, with nothing of ours around it
    for (WgpuOp op : renderStateOps())
        expected.push_back(op);
    for (WgpuOp op : {WgpuOp::SetBindGroup, WgpuOp::SetScissorRect, WgpuOp::DrawIndexed})
        expected.push_back(op);
    EXPECT_EQ(ops, expected);
    EXPECT_EQ(gpu_->flushErrors().size(), 0u) << firstError();
}

TEST_F(FrameRecording, ProjectionMapsTheDisplayRectangleToClipSpace) {
    initReady();
    TestDrawData data(ImVec2(0, 0), ImVec2(1280, 720));
    draw(data);
    const ImGui_ImplWGPU_Diagnostics d = ImGui_ImplWGPU_GetDiagnostics();
    const auto writes = g_wgpuLog.of(WgpuOp::WriteBuffer);
    ASSERT_EQ(writes.back().object, d.UniformBuffer);
    const std::vector<float> m = floatsOf(writes.back());
    ASSERT_EQ(m.size(), 16u);
    const std::vector<float> expected = {0.0015625f, 0,    0, 0,  0, -1.0f / 360.0f, 0, 0, 0,
                                         0,          0.5f, 0, -1, 1, 0.5f,           1};
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(m[i], expected[i]) << "element " << i;

    // Column-major: clip = m * (x, y, 0, 1).
    auto clip = [&](float x, float y) {
        return std::vector<float>{m[0] * x + m[4] * y + m[12], m[1] * x + m[5] * y + m[13], m[14],
                                  m[3] * x + m[7] * y + m[15]};
    };
    EXPECT_EQ(clip(0, 0), (std::vector<float>{-1, 1, 0.5f, 1}));
    EXPECT_EQ(clip(1280, 720), (std::vector<float>{1, -1, 0.5f, 1}));
}

TEST_F(FrameRecording, ScissorsAreClampedToTheDisplayAndEmptyOnesSkipped) {
    initReady();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        ImVec4 clip;
        std::vector<uint64_t> scissor; // empty: nothing drawn
    };
    const std::vector<Case> cases = {
        {{110.7f, 70.2f, 210.9f, 90.0f}, {10, 20, 100, 20}},
        {{-500, -100, 5000, 900}, {0, 0, 1280, 720}},
        {{90, 40, 101.5f, 51}, {0, 0, 1, 1}},
        {{1400, 0, 1500, 100}, {}}, // right of the display
        {{400, 300, 350, 400}, {}}, // inverted
        {{400, 300, 500, 300}, {}}, // no height
        {{0, -800, 1380, 40}, {}},  // above the display
        {{nan, 60, 200, 100}, {0, 10, 100, 40}},
        {{-inf, 60, inf, 100}, {0, 10, 1280, 40}},
        {{1379, 769, 1381, 771}, {1279, 719, 1, 1}},
    };
    TestDrawData data(ImVec2(100, 50), ImVec2(1280, 720));
    ImDrawList& list = data.addList();
    for (const Case& c : cases)
        addGeometry(list, 3, 3, c.clip, font());
    draw(data);

    const auto scissors = g_wgpuLog.of(WgpuOp::SetScissorRect);
    std::vector<std::vector<uint64_t>> expected;
    for (const Case& c : cases) {
        if (!c.scissor.empty())
            expected.push_back(c.scissor);
    }
    ASSERT_EQ(scissors.size(), expected.size());
    for (size_t i = 0; i < scissors.size(); ++i)
        EXPECT_EQ(std::vector<uint64_t>(scissors[i].u, scissors[i].u + 4), expected[i]) << i;
    EXPECT_EQ(g_wgpuLog.of(WgpuOp::DrawIndexed).size(), expected.size());
    EXPECT_EQ(gpu_->flushErrors().size(), 0u) << firstError();
}

TEST_F(FrameRecording, TextureBindGroupsAreMadeOnceAndSetForEveryCommand) {
    initReady();
    UserTexture image(*gpu_, 4, 4);
    const ImGui_ImplWGPU_Diagnostics d = ImGui_ImplWGPU_GetDiagnostics();
    for (int frame = 0; frame < 3; ++frame) {
        TestDrawData data(ImVec2(0, 0), ImVec2(1280, 720));
        ImDrawList& list = data.addList();
        addGeometry(list, 3, 3, kWholeDisplay, font());
        addGeometry(list, 3, 3, kWholeDisplay, font());
        addGeometry(list, 3, 3, kWholeDisplay, image.view);
        addGeometry(list, 3, 3, kWholeDisplay, image.view);
        draw(data);

        // The atlas's bind group exists from the start; the image's is made on first use.
        EXPECT_EQ(g_wgpuLog.of(WgpuOp::CreateBindGroup).size(), frame == 0 ? 1u : 0u);
        std::vector<const void*> groupOne;
        for (const WgpuCall& c : g_wgpuLog.of(WgpuOp::SetBindGroup)) {
            if (c.u[0] == 1)
                groupOne.push_back(c.object);
        }
        ASSERT_EQ(groupOne.size(), 4u);
        EXPECT_EQ(groupOne[0], d.FontImageBindGroup);
        EXPECT_EQ(groupOne[1], d.FontImageBindGroup);
        EXPECT_NE(groupOne[2], d.FontImageBindGroup);
        EXPECT_EQ(groupOne[3], groupOne[2]);
    }
    const auto cache = ImGui_ImplWGPU_GetDiagnostics().ImageBindGroupCache;
    ASSERT_EQ(cache.size(), 2u);
    bool imageCached = false;
    for (const auto& entry : cache)
        imageCached |= entry.Key == textureKey(image.view);
    EXPECT_TRUE(imageCached);
    EXPECT_EQ(gpu_->flushErrors().size(), 0u) << firstError();
}

// Random but well-formed draw data, with clip rectangles anywhere (outside the
// display, inverted, not numbers) and display origins off zero, must never
// make the device report an error.
TEST_F(FrameRecording, RandomDrawDataCausesNoValidationError) {
    initReady(3);
    UserTexture imageA(*gpu_, 16, 16);
    UserTexture imageB(*gpu_, 3, 5);
    const uint32_t width = 320, height = 200;
    RenderTarget target(*gpu_, width, height);
    std::mt19937 rng(20240611);
    auto uniform = [&](float lo, float hi) {
        return std::uniform_real_distribution<float>(lo, hi)(rng);
    };
    auto count = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto coordinate = [&]() {
        switch (count(0, 9)) {
        case 0:
            return std::numeric_limits<float>::quiet_NaN();
        case 1:
            return count(0, 1) ? std::numeric_limits<float>::infinity()
                               : -std::numeric_limits<float>::infinity();
        case 2:
            return uniform(-1e9f, 1e9f);
        default:
            return uniform(-600.0f, 900.0f);
        }
    };
    const ImTextureID textures[] = {font(), imageA.view, imageB.view};

    for (int frame = 0; frame < 40; ++frame) {
        TestDrawData data(ImVec2(uniform(-300, 300), uniform(-300, 300)),
                          ImVec2(static_cast<float>(width), static_cast<float>(height)));
        const int lists = count(0, 4);
        for (int l = 0; l < lists; ++l) {
            ImDrawList& list = data.addList();
            const int commands = count(0, 6);
            for (int c = 0; c < commands; ++c) {
                if (count(0, 12) == 0) {
                    ImDrawCmd reset;
                    reset.UserCallback = ImDrawCallback_ResetRenderState;
                    list.CmdBuffer.push_back(reset);
                    continue;
                }
                // Indices relative to the command's own vertex offset, as Dear
                // ImGui makes them for lists of more than 65536 vertices.
                const int firstVertex = list.VtxBuffer.Size;
                ImDrawCmd& cmd =
                    addGeometry(list, count(1, 2000), 3 * count(0, 1500),
                                ImVec4(coordinate(), coordinate(), coordinate(), coordinate()),
                                textures[count(0, 2)]);
                cmd.VtxOffset = static_cast<unsigned int>(firstVertex);
                for (unsigned i = cmd.IdxOffset; i < cmd.IdxOffset + cmd.ElemCount; ++i)
                    list.IdxBuffer[i] = static_cast<ImDrawIdx>(list.IdxBuffer[i] - firstVertex);
                for (int i = firstVertex; i < list.VtxBuffer.Size; ++i) {
                    ImDrawVert& v = list.VtxBuffer[i];
                    v.pos = ImVec2(uniform(-400, 700), uniform(-400, 700));
                    v.uv = ImVec2(uniform(0, 1), uniform(0, 1));
                    v.col = static_cast<ImU32>(rng());
                }
            }
        }
        g_wgpuLog.clear();
        render(target, data.get());
        for (const WgpuCall& s : g_wgpuLog.of(WgpuOp::SetScissorRect)) {
            EXPECT_GT(s.u[2], 0u);
            EXPECT_GT(s.u[3], 0u);
            EXPECT_LE(s.u[0] + s.u[2], width);
            EXPECT_LE(s.u[1] + s.u[3], height);
        }
        ASSERT_EQ(gpu_->flushErrors().size(), 0u) << "frame " << frame << ": " << firstError();
    }
    gpu_->waitIdle();
}

} // namespace
