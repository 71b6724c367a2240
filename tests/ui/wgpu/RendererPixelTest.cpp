// Pixels drawn by the renderer on Vulkan (lavapipe where there is no GPU),
// rendered offscreen and read back: geometry lands where the projection puts
// it, with the vertex colours, blending, scissors and the font atlas.

#include "RendererFixture.h"
#include "ShaderModule.h"
#include "ui_fragment_wgsl.h"
#include "ui_vertex_wgsl.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>

namespace {

struct Rgba {
    int r, g, b, a;
};

class Pixels : public RendererTest {
  protected:
    Pixels() : RendererTest(WGPUBackendType_Vulkan) {}

    Rgba at(int x, int y) const {
        const uint8_t* p = &pixels_[(static_cast<size_t>(y) * width_ + x) * 4];
        return {p[0], p[1], p[2], p[3]};
    }
    bool lit(int x, int y) const {
        const Rgba c = at(x, y);
        return c.r != 0 || c.g != 0 || c.b != 0;
    }
    void renderAndRead(ImDrawData* data, uint32_t width, uint32_t height, WGPUColor clear) {
        RenderTarget target(*gpu_, width, height);
        render(target, data, clear);
        pixels_ = target.readPixels();
        width_ = width;
        ASSERT_EQ(pixels_.size(), static_cast<size_t>(width) * height * 4);
        ASSERT_EQ(gpu_->flushErrors().size(), 0u) << firstError();
    }

    std::vector<uint8_t> pixels_;
    uint32_t width_ = 0;
};

void expectColor(Rgba got, Rgba want, int x, int y, int tolerance = 0) {
    EXPECT_TRUE(std::abs(got.r - want.r) <= tolerance && std::abs(got.g - want.g) <= tolerance &&
                std::abs(got.b - want.b) <= tolerance && std::abs(got.a - want.a) <= tolerance)
        << "pixel (" << x << ", " << y << ") is " << got.r << " " << got.g << " " << got.b << " "
        << got.a << ", expected " << want.r << " " << want.g << " " << want.b << " " << want.a;
}

void beginList(ImDrawList& list, ImVec2 displayPos, ImVec2 displaySize) {
    list._ResetForNewFrame();
    list.PushTextureID(ImGui::GetIO().Fonts->TexID);
    list.PushClipRect(displayPos,
                      ImVec2(displayPos.x + displaySize.x, displayPos.y + displaySize.y));
}

// Two lists (so the second draws through the running offsets) on a display
// whose origin is (100, 50): a solid red square, a half-transparent green
// square, a blue square seen only through its clip rectangle, then a line of
// text and the same line clipped.
TEST_F(Pixels, RectanglesAndTextLandWhereTheProjectionSays) {
    initReady();
    ImGui::NewFrame(); // sets up the font in the draw lists' shared data
    const ImVec2 origin(100, 50);
    const ImVec2 size(256, 128);
    TestDrawData data(origin, size);

    ImDrawList& shapes = data.addList(ImGui::GetDrawListSharedData());
    beginList(shapes, origin, size);
    shapes.AddRectFilled(ImVec2(110, 60), ImVec2(150, 100), IM_COL32(255, 0, 0, 255));
    shapes.AddRectFilled(ImVec2(160, 60), ImVec2(200, 100), IM_COL32(0, 255, 0, 128));
    shapes.PushClipRect(ImVec2(210, 60), ImVec2(230, 80), true);
    shapes.AddRectFilled(ImVec2(200, 55), ImVec2(250, 110), IM_COL32(0, 0, 255, 255));
    shapes.PopClipRect();

    const ImU32 textColor = IM_COL32(255, 200, 0, 255);
    const char* text = "Tallowick";
    ImDrawList& words = data.addList(ImGui::GetDrawListSharedData());
    beginList(words, origin, size);
    words.AddText(ImVec2(110, 120), textColor, text);
    words.PushClipRect(ImVec2(110, 140), ImVec2(130, 160), true);
    words.AddText(ImVec2(110, 140), textColor, text);
    words.PopClipRect();
    ImGui::EndFrame();
    ASSERT_GT(words.VtxBuffer.Size, 0);

    renderAndRead(data.get(), 256, 128, {0, 0, 0, 1});

    const Rgba black = {0, 0, 0, 255};
    // Red square: display (110, 60)-(150, 100) is target (10, 10)-(50, 50), edges exact.
    for (int y = 9; y <= 50; ++y) {
        for (int x = 9; x <= 50; ++x) {
            const bool inside = x >= 10 && x < 50 && y >= 10 && y < 50;
            expectColor(at(x, y), inside ? Rgba{255, 0, 0, 255} : black, x, y);
        }
    }
    // Green at alpha 128 over black: colour scaled by alpha, alpha blended to opaque.
    expectColor(at(80, 30), {0, 128, 0, 255}, 80, 30, 1);
    expectColor(at(60, 10), {0, 128, 0, 255}, 60, 10, 1);
    expectColor(at(59, 10), black, 59, 10);
    // Blue only inside its clip rectangle (110, 10)-(130, 30).
    for (int y = 5; y < 60; ++y) {
        for (int x = 100; x < 150; ++x) {
            const bool inside = x >= 110 && x < 130 && y >= 10 && y < 30;
            expectColor(at(x, y), inside ? Rgba{0, 0, 255, 255} : black, x, y);
        }
    }

    // Text: glyph pixels in the text colour within the line's box (10, 70)-(10 + w, 70 + h).
    const ImVec2 textSize = ImGui::GetFont()->CalcTextSizeA(ImGui::GetFontSize(), FLT_MAX, 0, text);
    const int textRight = 10 + static_cast<int>(textSize.x) + 1;
    const int textBottom = 70 + static_cast<int>(textSize.y) + 1;
    int full = 0;
    int beyondClip = 0;
    for (int y = 60; y < 128; ++y) {
        for (int x = 0; x < 256; ++x) {
            if (!lit(x, y))
                continue;
            const Rgba c = at(x, y);
            const bool firstLine = x >= 10 && x < textRight && y >= 70 && y < textBottom;
            const bool secondLine = x >= 10 && x < 30 && y >= 90 && y < 110;
            EXPECT_TRUE(firstLine || secondLine) << "stray pixel at " << x << ", " << y;
            EXPECT_EQ(c.b, 0) << x << ", " << y;
            EXPECT_GE(c.r, c.g) << x << ", " << y;
            full += c.r == 255 && c.g == 200;
            beyondClip += firstLine && x >= 30;
        }
    }
    EXPECT_GT(full, 40) << "too few glyph pixels in the text colour";
    EXPECT_GT(beyondClip, 20) << "the unclipped line should reach past x = 30";
    // The clipped line shows the start of the same glyphs as the first line.
    for (int y = 0; y < 20; ++y) {
        for (int x = 10; x < 30; ++x)
            EXPECT_EQ(lit(x, 90 + y), lit(x, 70 + y)) << x << ", " << 90 + y;
    }
}

class AtlasUpload : public Pixels, public ::testing::WithParamInterface<int> {};

// The atlas drawn 1:1 onto a target of its own size with white vertices: each
// pixel's alpha is its texel's coverage, wherever the row pitch of the upload
// had to be padded (widths not a multiple of 64 pixels) or not.
TEST_P(AtlasUpload, AtlasIsUploadedTexelForTexel) {
    ImGui::GetIO().Fonts->TexDesiredWidth = GetParam();
    initReady();
    unsigned char* atlas = nullptr;
    int width = 0, height = 0;
    ImGui::GetIO().Fonts->GetTexDataAsRGBA32(&atlas, &width, &height);
    if (GetParam() != 0) {
        ASSERT_EQ(width, GetParam());
        ASSERT_NE(width % 64, 0);
    }
    const auto copies = g_wgpuLog.of(WgpuOp::CopyBufferToTexture);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].u[0] % 256, 0u);
    EXPECT_EQ(copies[0].u[0], (static_cast<uint64_t>(width) * 4 + 255) / 256 * 256);

    const float w = static_cast<float>(width), h = static_cast<float>(height);
    TestDrawData data(ImVec2(0, 0), ImVec2(w, h));
    ImDrawList& list = data.addList();
    ImDrawCmd cmd;
    cmd.ClipRect = ImVec4(0, 0, w, h);
    cmd.TextureId = ImGui::GetIO().Fonts->TexID;
    cmd.ElemCount = 6;
    list.CmdBuffer.push_back(cmd);
    const ImVec2 corners[4] = {ImVec2(0, 0), ImVec2(w, 0), ImVec2(w, h), ImVec2(0, h)};
    for (const ImVec2& p : corners) {
        ImDrawVert v;
        v.pos = p;
        v.uv = ImVec2(p.x / w, p.y / h);
        v.col = IM_COL32_WHITE;
        list.VtxBuffer.push_back(v);
    }
    for (ImDrawIdx i : {0, 1, 2, 0, 2, 3})
        list.IdxBuffer.push_back(i);

    renderAndRead(data.get(), static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                  {0, 0, 0, 0});
    int mismatches = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int coverage = atlas[(static_cast<size_t>(y) * width + x) * 4 + 3];
            const Rgba c = at(x, y);
            if (std::abs(c.a - coverage) > 2 || std::abs(c.r - coverage) > 2) {
                if (++mismatches <= 5)
                    ADD_FAILURE() << "texel (" << x << ", " << y << "): coverage " << coverage
                                  << ", drawn " << c.r << " " << c.g << " " << c.b << " " << c.a;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Widths, AtlasUpload, ::testing::Values(0, 257, 300));

} // namespace

namespace {
// What the colour target holds after a source is blended over it: colour by
// the source's alpha, alpha added over what the remaining coverage lets through.
Rgba blendedOver(Rgba src, WGPUColor dst) {
    const double a = src.a / 255.0;
    auto channel = [a](int s, double d) {
        return static_cast<int>(std::lround((s / 255.0 * a + d * (1.0 - a)) * 255.0));
    };
    return {channel(src.r, dst.r), channel(src.g, dst.g), channel(src.b, dst.b),
            static_cast<int>(std::lround((a + dst.a * (1.0 - a)) * 255.0))};
}

// A 2 x 2 checker of opaque white and black texels, sampled as the renderer's
// sampler does: bilinear, repeating in both directions.
int checkerAt(double u, double v) {
    const double s = u * 2.0 - 0.5;
    const double t = v * 2.0 - 0.5;
    const double s0 = std::floor(s), t0 = std::floor(t);
    auto texel = [](double i, double j) {
        const long x = static_cast<long>(i) & 1, y = static_cast<long>(j) & 1;
        return x == y ? 255.0 : 0.0;
    };
    const double fs = s - s0, ft = t - t0;
    const double top = texel(s0, t0) * (1 - fs) + texel(s0 + 1, t0) * fs;
    const double bottom = texel(s0, t0 + 1) * (1 - fs) + texel(s0 + 1, t0 + 1) * fs;
    return static_cast<int>(std::lround(top * (1 - ft) + bottom * ft));
}

void addQuad(ImDrawList& list, ImVec2 p0, ImVec2 p1, ImVec2 uv0, ImVec2 uv1, ImTextureID texture,
             ImVec2 display) {
    ImDrawCmd cmd;
    cmd.ClipRect = ImVec4(0, 0, display.x, display.y);
    cmd.TextureId = texture;
    cmd.VtxOffset = static_cast<unsigned int>(list.VtxBuffer.Size);
    cmd.IdxOffset = static_cast<unsigned int>(list.IdxBuffer.Size);
    cmd.ElemCount = 6;
    list.CmdBuffer.push_back(cmd);
    const ImVec2 corners[4][2] = {
        {p0, uv0}, {{p1.x, p0.y}, {uv1.x, uv0.y}}, {p1, uv1}, {{p0.x, p1.y}, {uv0.x, uv1.y}}};
    for (const auto& corner : corners) {
        ImDrawVert v;
        v.pos = corner[0];
        v.uv = corner[1];
        v.col = IM_COL32_WHITE;
        list.VtxBuffer.push_back(v);
    }
    for (ImDrawIdx i : {0, 1, 2, 0, 2, 3})
        list.IdxBuffer.push_back(i);
}
} // namespace

// Over a colour target that is neither black nor opaque, so that the factors
// on the destination and the alpha blend show too.
TEST_F(Pixels, ColourAndAlphaBlendOverWhatIsThere) {
    initReady();
    ImGui::NewFrame();
    const ImVec2 size(64, 16);
    TestDrawData data(ImVec2(0, 0), size);
    ImDrawList& shapes = data.addList(ImGui::GetDrawListSharedData());
    beginList(shapes, ImVec2(0, 0), size);
    const Rgba sources[] = {{255, 0, 0, 128}, {0, 64, 255, 192}, {200, 255, 40, 32}};
    for (int i = 0; i < 3; ++i) {
        const Rgba s = sources[i];
        shapes.AddRectFilled(ImVec2(i * 20.0f, 0), ImVec2(i * 20.0f + 16, 16),
                             IM_COL32(s.r, s.g, s.b, s.a));
    }
    ImGui::EndFrame();
    const WGPUColor clear = {0.4, 0.2, 0.8, 0.5};
    renderAndRead(data.get(), 64, 16, clear);
    for (int i = 0; i < 3; ++i) {
        expectColor(at(i * 20 + 8, 8), blendedOver(sources[i], clear), i * 20 + 8, 8, 1);
    }
    expectColor(at(18, 8), blendedOver({0, 0, 0, 0}, clear), 18, 8, 1);
}

// A user image magnified (eight pixels a texel) and minified (four texels a
// pixel) well past its edges: filtered between texels and repeated.
TEST_F(Pixels, ImagesAreSampledBilinearAndRepeated) {
    initReady();
    UserTexture checker(*gpu_, 2, 2);
    const uint8_t texels[16] = {255, 255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 255};
    WGPUTexelCopyTextureInfo destination{};
    destination.texture = checker.texture;
    destination.aspect = WGPUTextureAspect_All;
    WGPUTexelCopyBufferLayout layout{};
    layout.bytesPerRow = 8;
    layout.rowsPerImage = 2;
    const WGPUExtent3D extent = {2, 2, 1};
    WGPUQueue queue = wgpuDeviceGetQueue(gpu_->device());
    wgpuQueueWriteTexture(queue, &destination, texels, sizeof texels, &layout, &extent);
    wgpuQueueRelease(queue);

    const ImVec2 size(64, 80);
    TestDrawData data(ImVec2(0, 0), size);
    ImDrawList& list = data.addList();
    const ImTextureID image = checker.view;
    addQuad(list, ImVec2(0, 0), ImVec2(64, 64), ImVec2(-1, -1), ImVec2(3, 3), image, size);
    addQuad(list, ImVec2(0, 64), ImVec2(64, 80), ImVec2(0, 0), ImVec2(128, 32), image, size);
    renderAndRead(data.get(), 64, 80, {0, 0, 0, 1});

    int mismatches = 0;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 64; ++x) {
            const double u = y < 64 ? -1.0 + (x + 0.5) / 16.0 : (x + 0.5) * 2.0;
            const double v = y < 64 ? -1.0 + (y + 0.5) / 16.0 : (y - 64 + 0.5) * 2.0;
            const int want = checkerAt(u, v);
            const Rgba c = at(x, y);
            if (std::abs(c.r - want) > 3 || std::abs(c.g - want) > 3 || c.a != 255) {
                if (++mismatches <= 5)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << c.r << " " << c.g
                                  << " " << c.b << " " << c.a << ", expected " << want;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);

    // The atlas has one level, so minification and levels show in no picture.
    const WGPUSamplerDescriptor& sampler = g_wgpuLog.sampler;
    EXPECT_EQ(sampler.minFilter, WGPUFilterMode_Linear);
    EXPECT_EQ(sampler.mipmapFilter, WGPUMipmapFilterMode_Linear);
    EXPECT_EQ(sampler.lodMinClamp, 0.0f);
    EXPECT_EQ(sampler.lodMaxClamp, 0.0f);
    EXPECT_EQ(sampler.compare, WGPUCompareFunction_Undefined);
    EXPECT_EQ(sampler.addressModeW, WGPUAddressMode_Repeat);
}

// The WGSL programs (the browser's) draw what the SPIR-V ones draw: a gradient
// of colours and alphas, a circle and text, over a colour that is not opaque.
TEST_F(Pixels, WgslProgramsDrawTheSpirvProgramsPixels) {
    initReady();
    ImGui::NewFrame();
    const ImVec2 size(96, 48);
    TestDrawData data(ImVec2(0, 0), size);
    ImDrawList& list = data.addList(ImGui::GetDrawListSharedData());
    beginList(list, ImVec2(0, 0), size);
    list.AddRectFilledMultiColor(ImVec2(1, 1), ImVec2(95, 30), IM_COL32(255, 0, 0, 255),
                                 IM_COL32(0, 255, 0, 128), IM_COL32(0, 0, 255, 32),
                                 IM_COL32(255, 255, 255, 200));
    list.AddCircleFilled(ImVec2(80, 36), 11.0f, IM_COL32(40, 160, 220, 150));
    list.AddText(ImVec2(2, 30), IM_COL32(255, 200, 0, 180), "Tallowick");
    ImGui::EndFrame();
    const WGPUColor clear = {0.4, 0.2, 0.8, 0.5};
    renderAndRead(data.get(), 96, 48, clear);
    const std::vector<uint8_t> spirv = pixels_;

    WGPUShaderModule vertex = createWgslModule(gpu_->device(), ui_vertex_wgsl);
    WGPUShaderModule fragment = createWgslModule(gpu_->device(), ui_fragment_wgsl);
    ImGui_ImplWGPU_RebuildPipeline(vertex, fragment);
    wgpuShaderModuleRelease(vertex);
    wgpuShaderModuleRelease(fragment);
    renderAndRead(data.get(), 96, 48, clear);

    int drawn = 0; // pixels other than the corner's clear colour
    for (size_t i = 0; i < spirv.size(); i += 4)
        drawn += spirv[i] != spirv[0] || spirv[i + 1] != spirv[1] || spirv[i + 3] != spirv[3];
    EXPECT_GT(drawn, 2000) << "too little drawn to compare";
    for (size_t i = 0; i < spirv.size(); ++i)
        ASSERT_LE(std::abs(pixels_[i] - spirv[i]), 1) << "byte " << i << " of pixel " << i / 4;
}
