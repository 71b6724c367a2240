#include "SceneFixture.h"

#include "Device.h"
#include "Surface.h"
#include "imgui_impl_glfw.h"
#include "imgui_impl_wgpu.h"
#include "imgui_impl_wgpu_diagnostics.h"

#include <GLFW/glfw3.h>
#include <X11/keysym.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

namespace {
Scene* g_panelScene = nullptr;

void toScene(int key, ButtonAction action) {
    g_panelScene->onKey(key, action);
}
void toScene(MouseButton button, ButtonAction action, int x, int y) {
    g_panelScene->onMouseButton(button, action, x, y);
}

// Where the panel's widgets sit in surface coordinates at start-up.
constexpr int kSliderX = 100;
constexpr int kSliderY = 96;

// The scene with its control panel, driven through the real window as the
// program wires it.
class ControlPanel : public SceneOnWindow {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(bringUp(kBackendAny));
        g_panelScene = scene.get();
        window.setMouseButtonCallback(toScene);
        window.setKeyCallback(toScene);
        scene->setShowUI(true);
        scene->initUI(window.getGlfwWindow());
        scene->createPipelineAndBuffers();
        frames(5);
    }
    // Standard output holds the echo and nothing else: no device error. The
    // UI goes before the device it draws with.
    void TearDown() override {
        if (ImGui::GetCurrentContext() != nullptr) {
            ImGui_ImplWGPU_Shutdown();
            ImGui_ImplGlfw_Shutdown();
            ImGui::DestroyContext();
        }
        if (capturing) {
            echoed += ::testing::internal::GetCapturedStdout();
            std::istringstream lines(echoed);
            for (std::string line; std::getline(lines, line);) {
                EXPECT_TRUE(line.rfind("key:", 0) == 0 || line.rfind("button:", 0) == 0) << line;
            }
            ::testing::internal::CaptureStdout();
        }
        SceneOnWindow::TearDown();
        g_panelScene = nullptr;
    }

    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            glfwPollEvents();
            scene->render(0.0);
            if (afterEachFrame) {
                afterEachFrame();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    void drag(int fromX, int toX, int y) {
        x11.movePointer(fromX, y);
        frames(3);
        x11.button(1, true);
        frames(3);
        for (int x = fromX; x != toX; x += (toX > fromX ? 20 : -20)) {
            x11.movePointer(x, y);
            frames(1);
        }
        x11.movePointer(toX, y);
        frames(3);
        x11.button(1, false);
        frames(3);
    }
    // Ctrl+click turns a slider or a colour field into a text field.
    void typeInto(int x, int y, const std::vector<unsigned long>& keys) {
        x11.movePointer(x, y);
        frames(3);
        x11.key(XK_Control_L, true);
        frames(2);
        x11.click(1);
        frames(3);
        x11.key(XK_Control_L, false);
        frames(2);
        for (unsigned long key : keys) {
            press(key);
        }
        press(XK_Return);
        frames(2);
    }
    // The UI reads the keyboard's state once a frame: a key must stay down
    // for a frame to be seen.
    void press(unsigned long keysym) {
        x11.key(keysym, true);
        frames(2);
        x11.key(keysym, false);
        frames(2);
    }
    std::string output() {
        echoed += ::testing::internal::GetCapturedStdout();
        ::testing::internal::CaptureStdout();
        return echoed;
    }

    X11Driver x11;
    std::string echoed;
    std::function<void()> afterEachFrame;
};
} // namespace

TEST_F(ControlPanel, SliderDragStaysInRangeButATypedSpeedIsUsedUnclamped) {
    drag(kSliderX, kSliderX + 600, kSliderY);
    EXPECT_FLOAT_EQ(scene->getRotationSpeed(), 2.0f);
    EXPECT_EQ(scene->getDirection(), -1) << "the press on the panel reverses the turning too";

    typeInto(kSliderX, kSliderY, {XK_5});
    EXPECT_FLOAT_EQ(scene->getRotationSpeed(), 5.0f);
    typeInto(kSliderX, kSliderY, {XK_minus, XK_1, XK_period, XK_5});
    EXPECT_FLOAT_EQ(scene->getRotationSpeed(), -1.5f);
    EXPECT_EQ(scene->getDirection(), -1);

    const float before = scene->getRotationDegrees();
    frames(10);
    // Speed -1.5 in direction -1 turns counter-clockwise: +0.15 degrees a frame.
    EXPECT_NEAR(scene->getRotationDegrees() - before, 1.5f, 1e-3f);
}

TEST_F(ControlPanel, EveryEventIsEchoedAndOnlyALeftPressReverses) {
    x11.movePointer(900, 300);
    frames(3);
    x11.click(3);
    x11.click(2);
    frames(3);
    EXPECT_EQ(scene->getDirection(), 1);
    x11.click(1);
    frames(3);
    EXPECT_EQ(scene->getDirection(), -1);
    x11.tap(XK_a);
    frames(3);
    x11.click(1);
    frames(3);
    EXPECT_EQ(scene->getDirection(), 1);
    EXPECT_EQ(output(), "button:1 action:1 x:900 y:300\n"
                        "button:1 action:0 x:900 y:300\n"
                        "button:2 action:1 x:900 y:300\n"
                        "button:2 action:0 x:900 y:300\n"
                        "button:0 action:1 x:900 y:300\n"
                        "button:0 action:0 x:900 y:300\n"
                        "key:65 action:1\n"
                        "key:65 action:0\n"
                        "button:0 action:1 x:900 y:300\n"
                        "button:0 action:0 x:900 y:300\n");
}

TEST_F(ControlPanel, HiddenPanelBeginsNoUiFrame) {
    const int before = ImGui::GetFrameCount();
    scene->setShowUI(false);
    frames(5);
    EXPECT_EQ(ImGui::GetFrameCount(), before);
    // The panel's place shows the clear colour.
    const X11Driver::Rgb shown = x11.pixel(kSliderX, kSliderY);
    EXPECT_NEAR(shown.r, 115, 2);
    EXPECT_NEAR(shown.g, 140, 2);
    EXPECT_NEAR(shown.b, 153, 2);
    scene->setShowUI(true);
    frames(1);
    EXPECT_EQ(ImGui::GetFrameCount(), before + 1);
}

TEST_F(ControlPanel, FollowsThePictureWhenTheWindowIsResized) {
    glfwSetWindowSize(window.getGlfwWindow(), 640, 360);
    frames(10);
    EXPECT_EQ(ImGui::GetIO().DisplaySize.x, 1280.0f);
    EXPECT_EQ(ImGui::GetIO().DisplaySize.y, 720.0f);
    // The picture is stretched over the half-size window: the slider now sits
    // at half its coordinates.
    typeInto(kSliderX / 2, kSliderY / 2, {XK_1});
    EXPECT_FLOAT_EQ(scene->getRotationSpeed(), 1.0f);

    // A pointer move the UI asks for (as keyboard navigation does) lands on
    // the same spot of the picture.
    ImGui::GetIO().MousePos = ImVec2(400.0f, 200.0f);
    ImGui::GetIO().WantSetMousePos = true;
    frames(1);
    double x = 0.0;
    double y = 0.0;
    glfwGetCursorPos(window.getGlfwWindow(), &x, &y);
    EXPECT_EQ(x, 200.0);
    EXPECT_EQ(y, 100.0);

    glfwSetWindowSize(window.getGlfwWindow(), 1600, 900);
    frames(10);
}

namespace {
// A run of text the panel drew, read back from the frame's draw data: each
// glyph quad is known by its place in the font atlas. The default font is
// monospaced, so the gaps between glyphs give the spaces.
struct DrawnLine {
    float y = 0.0f;
    std::string text;
    std::vector<float> x; // where each character of text starts
    // Where the text starts in the line, or -1.
    float xOf(const std::string& part) const {
        const size_t at = text.find(part);
        return at == std::string::npos ? -1.0f : x[at];
    }
};

std::vector<DrawnLine> drawnLines() {
    const ImFont* font = ImGui::GetIO().Fonts->Fonts[0];
    const float advance = font->FindGlyph('x')->AdvanceX;
    struct Glyph {
        float x, y;
        char c;
    };
    std::vector<Glyph> glyphs;
    const ImDrawData* data = ImGui::GetDrawData();
    for (int list = 0; data != nullptr && list < data->CmdListsCount; ++list) {
        const ImVector<ImDrawVert>& vertices = data->CmdLists[list]->VtxBuffer;
        for (int v = 0; v + 2 < vertices.Size; ++v) {
            for (const ImFontGlyph& glyph : font->Glyphs) {
                if (glyph.Visible && vertices[v].uv.x == glyph.U0 && vertices[v].uv.y == glyph.V0 &&
                    vertices[v + 2].uv.x == glyph.U1 && vertices[v + 2].uv.y == glyph.V1) {
                    glyphs.push_back({vertices[v].pos.x - glyph.X0, vertices[v].pos.y - glyph.Y0,
                                      static_cast<char>(glyph.Codepoint)});
                }
            }
        }
    }
    std::sort(glyphs.begin(), glyphs.end(),
              [](const Glyph& a, const Glyph& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    std::vector<DrawnLine> lines;
    for (const Glyph& glyph : glyphs) {
        if (lines.empty() || lines.back().y != glyph.y) {
            lines.push_back({glyph.y, "", {}});
        } else {
            const float gap = glyph.x - lines.back().x.back();
            for (int space = 1; space < static_cast<int>(std::lround(gap / advance)); ++space) {
                lines.back().text += ' ';
                lines.back().x.push_back(lines.back().x.back() + advance);
            }
        }
        lines.back().text += glyph.c;
        lines.back().x.push_back(glyph.x);
    }
    return lines;
}

// The separate texts of a line: widgets' values and labels lie further apart
// than the two spaces a value pads itself with.
std::vector<std::string> fieldsOf(const DrawnLine& line) {
    std::vector<std::string> fields;
    size_t at = line.text.find_first_not_of(' ');
    while (at != std::string::npos) {
        const size_t end = line.text.find("   ", at);
        fields.push_back(line.text.substr(at, end == std::string::npos ? end : end - at));
        at = end == std::string::npos ? end : line.text.find_first_not_of(' ', end);
    }
    return fields;
}

// The line that holds the text, or an empty line at y 0.
DrawnLine lineWith(const std::string& part) {
    for (const DrawnLine& line : drawnLines()) {
        if (line.text.find(part) != std::string::npos) {
            return line;
        }
    }
    return {};
}

std::string framerateLine(float framerate) {
    char text[128];
    std::snprintf(text, sizeof text, "Application average %.3f ms/frame (%.1f FPS)",
                  static_cast<double>(1000.0f / framerate), static_cast<double>(framerate));
    return text;
}

std::string allText() {
    std::string text;
    for (const DrawnLine& line : drawnLines()) {
        text += line.text + "\n";
    }
    return text;
}
} // namespace

TEST_F(ControlPanel, ShowsItsLabelsValuesAndTheFrameRateLine) {
    using Fields = std::vector<std::string>;
    const std::vector<DrawnLine> lines = drawnLines();
    ASSERT_EQ(lines.size(), 7u) << allText();
    EXPECT_EQ(lines[0].text, "Tallowick");
    const ImGuiWindow* panel = ImGui::FindWindowByName("Tallowick");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Flags, ImGuiWindowFlags_None);
    EXPECT_FALSE(panel->HasCloseButton);
    EXPECT_EQ(fieldsOf(lines[1]), (Fields{"0.000", "Rotation speed"}));
    EXPECT_EQ(fieldsOf(lines[2]), (Fields{"R:115", "G:140", "B:153", "Clear color"}));
    EXPECT_EQ(fieldsOf(lines[3]), (Fields{"R:255", "G:  0", "B:  0", "Vertex 1"}));
    EXPECT_EQ(fieldsOf(lines[4]), (Fields{"R:  0", "G:255", "B:  0", "Vertex 2"}));
    EXPECT_EQ(fieldsOf(lines[5]), (Fields{"R:  0", "G:  0", "B:255", "Vertex 3"}));
    EXPECT_EQ(lines[6].text, framerateLine(ImGui::GetIO().Framerate));
}

// Each editor, found where the panel draws it, edits its own field and no
// other, and an edit counts from the frame that makes it: that frame's turn,
// clear and triangle already use it.
TEST_F(ControlPanel, EachEditorChangesItsOwnFieldInTheFrameOfTheEdit) {
    struct Fields {
        float speed;
        ImVec4 colors[4];
    };
    auto fieldsOfScene = [this] {
        return Fields{scene->getRotationSpeed(),
                      {scene->getClearColor(), scene->getVertex1Color(), scene->getVertex2Color(),
                       scene->getVertex3Color()}};
    };
    auto sameColor = [](const ImVec4& a, const ImVec4& b) {
        return a.x == b.x && a.y == b.y && a.z == b.z && a.w == b.w;
    };
    Fields last = fieldsOfScene();
    float lastDegrees = scene->getRotationDegrees();
    int vertexEditsSeen = 0;
    g_frameRecord = FrameRecord{};
    g_frameRecord.recording = true;
    afterEachFrame = [&] {
        const Fields now = fieldsOfScene();
        const float step = 0.1f * now.speed * static_cast<float>(scene->getDirection());
        EXPECT_NEAR(scene->getRotationDegrees() - lastDegrees, step, 1e-4f);
        EXPECT_EQ(g_frameRecord.clearValue.r, static_cast<double>(now.colors[0].x));
        EXPECT_EQ(g_frameRecord.clearValue.g, static_cast<double>(now.colors[0].y));
        EXPECT_EQ(g_frameRecord.clearValue.b, static_cast<double>(now.colors[0].z));
        bool vertexEdit = false;
        for (int vertex = 1; vertex < 4; ++vertex) {
            vertexEdit = vertexEdit || !sameColor(now.colors[vertex], last.colors[vertex]);
        }
        if (vertexEdit) {
            ++vertexEditsSeen;
            expectShows(expectedPicture());
        }
        last = now;
        lastDegrees = scene->getRotationDegrees();
    };

    const char* labels[4] = {"Clear color", "Vertex 1", "Vertex 2", "Vertex 3"};
    for (int editor = 0; editor < 4; ++editor) {
        const DrawnLine line = lineWith(labels[editor]);
        ASSERT_GE(line.xOf("R:"), 0.0f) << labels[editor] << "\n" << allText();
        const Fields before = fieldsOfScene();
        typeInto(static_cast<int>(line.xOf("R:")) + 10, static_cast<int>(line.y) + 6, {XK_5, XK_1});
        Fields expected = before;
        expected.colors[editor].x = 51.0f / 255.0f;
        // The editor works in whole 255ths: its other channels may round.
        const Fields after = fieldsOfScene();
        EXPECT_EQ(after.speed, expected.speed) << labels[editor];
        for (int color = 0; color < 4; ++color) {
            const ImVec4& is = after.colors[color];
            const ImVec4& was = expected.colors[color];
            const float tolerance = 0.5f / 255.0f;
            EXPECT_TRUE(std::abs(is.x - was.x) < tolerance && std::abs(is.y - was.y) < tolerance &&
                        std::abs(is.z - was.z) < tolerance && is.w == 1.0f)
                << labels[editor] << " left colour " << color << " at " << is.x << ", " << is.y
                << ", " << is.z << ", " << is.w;
        }
    }
    EXPECT_GE(vertexEditsSeen, 3);

    const DrawnLine slider = lineWith("Rotation speed");
    ASSERT_GE(slider.xOf("0.000"), 0.0f) << allText();
    const Fields before = fieldsOfScene();
    typeInto(static_cast<int>(slider.xOf("0.000")), static_cast<int>(slider.y) + 6,
             {XK_1, XK_period, XK_2, XK_5});
    EXPECT_EQ(scene->getRotationSpeed(), 1.25f);
    for (int color = 0; color < 4; ++color) {
        EXPECT_TRUE(sameColor(fieldsOfScene().colors[color], before.colors[color])) << color;
    }
    EXPECT_EQ(fieldsOf(lineWith("Rotation speed")),
              (std::vector<std::string>{"1.250", "Rotation speed"}));
    afterEachFrame = nullptr;
    g_frameRecord.recording = false;
}

// Set-up that shows in no single picture: the settings file, the style's
// every colour and how many frames the renderer keeps in flight.
TEST_F(ControlPanel, SetsUpTheUiWithoutASettingsFileInTheDarkStyle) {
    EXPECT_EQ(ImGui::GetIO().IniFilename, nullptr);
    ImGuiStyle dark;
    ImGui::StyleColorsDark(&dark);
    for (int colour = 0; colour < ImGuiCol_COUNT; ++colour) {
        const ImVec4& is = ImGui::GetStyle().Colors[colour];
        const ImVec4& want = dark.Colors[colour];
        EXPECT_TRUE(is.x == want.x && is.y == want.y && is.z == want.z && is.w == want.w)
            << ImGui::GetStyleColorName(colour);
    }
    const ImGui_ImplWGPU_Diagnostics renderer = ImGui_ImplWGPU_GetDiagnostics();
    EXPECT_EQ(renderer.FramesInFlight, 3u);
    EXPECT_EQ(renderer.RenderTargetFormat, g_swapChainFormat);
    EXPECT_EQ(renderer.Device, device);
}
