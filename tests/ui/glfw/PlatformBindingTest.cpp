#include "imgui_impl_glfw.h"

#include "GlfwStart.h"

#include "X11Driver.h"

#include <imgui_internal.h>

#include <GLFW/glfw3.h>
#include <X11/keysym.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <chrono>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

std::string readClipboardAsAnotherClient();

// The binding's calls of these GLFW functions land here first; each forwards
// to GLFW unless the test asks for a made-up answer.
namespace {
struct Fakes {
    bool unfocused = false;
    double time = -1.0;
    int windowW = -1, windowH = -1;
    int failingShape = 0;
    std::map<GLFWcursor*, int> shapes;
    GLFWcursor* lastCursor = nullptr;
    // What the binding asked GLFW about the window, or set on it.
    int sizeQueries = 0;
    int focusQueries = 0;
    int cursorQueries = 0;
    int cursorSettings = 0;
} g_fakes;

template <typename F> F real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// The characters handed to Dear ImGui since its last frame: since 1.88 they
// wait in its event queue until the next frame.
std::vector<unsigned int> charactersGiven() {
    std::vector<unsigned int> characters;
#if IMGUI_VERSION_NUM >= 18800
    for (const ImGuiInputEvent& event : ImGui::GetCurrentContext()->InputEventsQueue) {
        if (event.Type == ImGuiInputEventType_Text) {
            characters.push_back(event.Text.Char);
        }
    }
#else
    const ImVector<ImWchar>& queued = ImGui::GetIO().InputQueueCharacters;
    characters.assign(queued.begin(), queued.end());
#endif
    return characters;
}
} // namespace

extern "C" int glfwGetWindowAttrib(GLFWwindow* window, int attrib) {
    if (attrib == GLFW_FOCUSED) {
        ++g_fakes.focusQueries;
    }
    const int value = real<int (*)(GLFWwindow*, int)>("glfwGetWindowAttrib")(window, attrib);
    return attrib == GLFW_FOCUSED && g_fakes.unfocused ? 0 : value;
}
extern "C" double glfwGetTime() {
    return g_fakes.time >= 0.0 ? g_fakes.time : real<double (*)()>("glfwGetTime")();
}
extern "C" void glfwGetWindowSize(GLFWwindow* window, int* w, int* h) {
    ++g_fakes.sizeQueries;
    real<void (*)(GLFWwindow*, int*, int*)>("glfwGetWindowSize")(window, w, h);
    if (g_fakes.windowW >= 0) {
        *w = g_fakes.windowW;
        *h = g_fakes.windowH;
    }
}
extern "C" void glfwGetFramebufferSize(GLFWwindow* window, int* w, int* h) {
    ++g_fakes.sizeQueries;
    real<void (*)(GLFWwindow*, int*, int*)>("glfwGetFramebufferSize")(window, w, h);
}
extern "C" void glfwGetCursorPos(GLFWwindow* window, double* x, double* y) {
    ++g_fakes.cursorQueries;
    real<void (*)(GLFWwindow*, double*, double*)>("glfwGetCursorPos")(window, x, y);
}
extern "C" GLFWcursor* glfwCreateStandardCursor(int shape) {
    // An invalid shape makes GLFW fail and report an error.
    GLFWcursor* cursor = real<GLFWcursor* (*)(int)>("glfwCreateStandardCursor")(
        shape == g_fakes.failingShape ? 0 : shape);
    g_fakes.shapes[cursor] = shape;
    return cursor;
}
extern "C" void glfwSetCursor(GLFWwindow* window, GLFWcursor* cursor) {
    g_fakes.lastCursor = cursor;
    ++g_fakes.cursorSettings;
    real<void (*)(GLFWwindow*, GLFWcursor*)>("glfwSetCursor")(window, cursor);
}

namespace {
std::vector<bool> g_appKeysSeenByUi; // one per key event: was the UI told already?
std::vector<int> g_appButtons;
int g_glfwErrors = 0;

void appKey(GLFWwindow*, int key, int, int, int) {
    g_appKeysSeenByUi.push_back(key == GLFW_KEY_A && ImGui::GetIO().KeysDown[key]);
}
void appButton(GLFWwindow*, int button, int, int) {
    g_appButtons.push_back(button);
}

class PlatformBinding : public ::testing::Test {
  protected:
    void SetUp() override {
        // Nothing an earlier test faked or saw carries over.
        g_fakes = Fakes{};
        g_appKeysSeenByUi.clear();
        g_appButtons.clear();
        g_glfwErrors = 0;
        glfwSetErrorCallback([](int, const char*) { ++g_glfwErrors; });
        ASSERT_TRUE(startGlfw());
        glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
        window = glfwCreateWindow(640, 480, "binding", nullptr, nullptr);
        glfwShowWindow(window);
        x11.movePointer(100, 100);
        settle();
        glfwSetKeyCallback(window, appKey);
        glfwSetMouseButtonCallback(window, appButton);
        ImGui::CreateContext();
        unsigned char* pixels = nullptr;
        int w = 0, h = 0;
        io().Fonts->GetTexDataAsRGBA32(&pixels, &w, &h);
    }
    void TearDown() override {
        if (ImGui::GetCurrentContext() != nullptr) {
            ImGui_ImplGlfw_Shutdown();
            ImGui::DestroyContext();
        }
        glfwTerminate();
        g_fakes = Fakes{};
    }
    void settle() {
        x11.sync();
        glfwWaitEventsTimeout(0.1);
        glfwPollEvents();
    }
    static ImGuiIO& io() { return ImGui::GetIO(); }
    int cursorMode() { return glfwGetInputMode(window, GLFW_CURSOR); }

    GLFWwindow* window = nullptr;
    X11Driver x11;
};
} // namespace

TEST_F(PlatformBinding, EventsReachThePreviousCallbacksFirstAndShutdownHandsThemBack) {
    ImGui_ImplGlfw_InitForOther(window, true);
    x11.key(XK_a, true);
    x11.click(1);
    settle();
    EXPECT_EQ(g_appKeysSeenByUi, std::vector<bool>{false});
    EXPECT_TRUE(io().KeysDown[GLFW_KEY_A]);
    EXPECT_EQ(g_appButtons.size(), 2u);
    x11.key(XK_a, false);
    ImGui_ImplGlfw_Shutdown();
    EXPECT_EQ(glfwSetKeyCallback(window, nullptr), appKey);
    EXPECT_EQ(glfwSetMouseButtonCallback(window, nullptr), appButton);
    EXPECT_EQ(glfwSetScrollCallback(window, nullptr), nullptr);
}

TEST_F(PlatformBinding, InitialisingWithoutCallbacksInstallsNothing) {
    ImGui_ImplGlfw_InitForOther(window, false);
    EXPECT_EQ(glfwSetKeyCallback(window, appKey), appKey);
    EXPECT_EQ(glfwSetCharCallback(window, nullptr), nullptr);
}

TEST_F(PlatformBinding, InitialisingAgainKeepsASingleChain) {
    ImGui_ImplGlfw_InitForOther(window, true);
    ImGui_ImplGlfw_InitForVulkan(window, true);
    ImGui_ImplGlfw_InitForOther(window, false);
    x11.key(XK_a, true);
    settle();
    EXPECT_EQ(g_appKeysSeenByUi.size(), 1u);
    EXPECT_TRUE(io().KeysDown[GLFW_KEY_A]);
    x11.key(XK_a, false);
    ImGui_ImplGlfw_Shutdown();
    EXPECT_EQ(glfwSetKeyCallback(window, nullptr), appKey);
}

namespace {
int g_otherWindowKeys = 0;
void otherWindowKey(GLFWwindow*, int, int, int, int) {
    ++g_otherWindowKeys;
}
} // namespace

// Initialising again without a shutdown must not touch what the first
// initialisation used: its window is gone, and after a glfwTerminate its
// cursors are too.
TEST_F(PlatformBinding, InitialisingAgainAfterTheWindowOrGlfwWentServesTheNewWindow) {
    ImGui_ImplGlfw_InitForOther(window, true);
    glfwDestroyWindow(window);
    window = glfwCreateWindow(640, 480, "binding", nullptr, nullptr);
    glfwShowWindow(window);
    glfwSetKeyCallback(window, otherWindowKey);
    settle();
    ImGui_ImplGlfw_InitForOther(window, true);
    g_otherWindowKeys = 0;
    x11.tap(XK_b);
    settle();
    EXPECT_EQ(g_otherWindowKeys, 2) << "the new window's own callback";
    EXPECT_TRUE(g_appKeysSeenByUi.empty()) << "the first window's callback";
    // A new window, often at the old one's address, keeps its own callbacks.
    glfwDestroyWindow(window);
    window = glfwCreateWindow(640, 480, "binding", nullptr, nullptr);
    glfwSetKeyCallback(window, appKey);
    ImGui_ImplGlfw_InitForOther(window, false);
    ImGui_ImplGlfw_Shutdown();
    EXPECT_EQ(glfwSetKeyCallback(window, otherWindowKey), appKey);

    glfwTerminate();
    ASSERT_TRUE(startGlfw());
    window = glfwCreateWindow(640, 480, "binding", nullptr, nullptr);
    glfwShowWindow(window);
    glfwSetKeyCallback(window, otherWindowKey);
    settle();
    g_fakes.shapes.clear();
    ImGui_ImplGlfw_InitForOther(window, true);
    g_otherWindowKeys = 0;
    x11.tap(XK_b);
    settle();
    EXPECT_EQ(g_otherWindowKeys, 2);
    ImGui::SetMouseCursor(ImGuiMouseCursor_Hand);
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(g_fakes.shapes[g_fakes.lastCursor], GLFW_HAND_CURSOR) << "a cursor made now";
    ImGui_ImplGlfw_Shutdown();
    EXPECT_EQ(glfwSetKeyCallback(window, nullptr), otherWindowKey);
}

TEST_F(PlatformBinding, ModifiersFollowTheKeyDownTable) {
    ImGui_ImplGlfw_InitForOther(window, true);
    x11.tap(XK_x);
    x11.key(XK_Control_R, true);
    x11.key(XK_Super_L, true);
    settle();
    EXPECT_TRUE(io().KeyCtrl && io().KeySuper);
    EXPECT_FALSE(io().KeyShift || io().KeyAlt);
    EXPECT_EQ(charactersGiven(), std::vector<unsigned int>{'x'});

    // Neither a repeat nor a key outside the table changes an entry, yet each
    // event recomputes the modifiers from the table.
    io().KeysDown[GLFW_KEY_RIGHT_CONTROL] = false;
    bool before[512];
    std::memcpy(before, io().KeysDown, sizeof before);
    for (int key : {GLFW_KEY_UNKNOWN, 512, -100000}) {
        ImGui_ImplGlfw_KeyCallback(window, key, 0, GLFW_PRESS, 0);
    }
    ImGui_ImplGlfw_KeyCallback(window, GLFW_KEY_Z, 0, GLFW_REPEAT, 0);
    EXPECT_EQ(std::memcmp(before, io().KeysDown, sizeof before), 0);
    EXPECT_FALSE(io().KeyCtrl);
    EXPECT_TRUE(io().KeySuper);
    x11.key(XK_Control_R, false);
    x11.key(XK_Super_L, false);
}

TEST_F(PlatformBinding, MouseButtonsAndWheel) {
    ImGui_ImplGlfw_InitForOther(window, true);
    x11.click(3);
    for (int notch = 0; notch < 3; ++notch) {
        x11.click(4);
    }
    settle();
    EXPECT_EQ(io().MouseWheel, 3.0f);
    ImGui_ImplGlfw_NewFrame();
    EXPECT_TRUE(io().MouseDown[1]) << "a click between frames is held for one frame";
    ImGui_ImplGlfw_NewFrame();
    EXPECT_FALSE(io().MouseDown[1]);

    x11.button(1, true);
    for (int button : {5, 6, 7, -1}) {
        ImGui_ImplGlfw_MouseButtonCallback(window, button, GLFW_PRESS, 0);
    }
    settle();
    ImGui_ImplGlfw_NewFrame();
    ImGui_ImplGlfw_NewFrame();
    EXPECT_TRUE(io().MouseDown[0]);
    x11.button(1, false);
    EXPECT_EQ(g_appButtons.size(), 7u);
    EXPECT_FALSE(io().MouseDown[1] || io().MouseDown[2] || io().MouseDown[3] || io().MouseDown[4]);
}

TEST_F(PlatformBinding, MousePositionOnlyWhileFocusedAndMovedOnRequest) {
    ImGui_ImplGlfw_InitForOther(window, true);
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(io().MousePos.x, 100.0f);
    g_fakes.unfocused = true;
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(io().MousePos.x, -FLT_MAX);

    g_fakes.unfocused = false;
    io().MousePos = ImVec2(123.5f, 45.25f);
    io().WantSetMousePos = true;
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(io().MousePos.y, -FLT_MAX);
    io().WantSetMousePos = false;
    // The X server places the pointer on whole pixels.
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(io().MousePos.x, 123.0f);
    EXPECT_EQ(io().MousePos.y, 45.0f);
}

TEST_F(PlatformBinding, ThePointerIsWhereItIsNowWhileTheWindowIsFocused) {
    ImGui_ImplGlfw_InitForOther(window, true);
    int left = 0;
    int top = 0;
    glfwGetWindowPos(window, &left, &top);
    x11.movePointer(left + 900, top + 600); // outside the 640 x 480 window
    settle();
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(io().MousePos.x, 900.0f);
    EXPECT_EQ(io().MousePos.y, 600.0f);

    // The window moves under a still pointer: no pointer event says so.
    x11.movePointer(left + 300, top + 300);
    settle();
    glfwSetWindowPos(window, left + 100, top + 80);
    settle();
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(io().MousePos.x, 200.0f);
    EXPECT_EQ(io().MousePos.y, 220.0f);
}

TEST_F(PlatformBinding, EveryFrameReadsTheWindowAndSetsTheCursor) {
    ImGui_ImplGlfw_InitForOther(window, true);
    g_fakes.sizeQueries = g_fakes.focusQueries = g_fakes.cursorQueries = 0;
    g_fakes.cursorSettings = 0;
    for (int frame = 0; frame < 3; ++frame) {
        ImGui::SetMouseCursor(ImGuiMouseCursor_Arrow);
        ImGui_ImplGlfw_NewFrame();
    }
    EXPECT_EQ(g_fakes.sizeQueries, 6);
    EXPECT_EQ(g_fakes.focusQueries, 3);
    EXPECT_EQ(g_fakes.cursorQueries, 3);
    EXPECT_EQ(g_fakes.cursorSettings, 3);

    // A cursor the application sets between frames gives way to the UI's.
    GLFWcursor* crosshair = glfwCreateStandardCursor(GLFW_CROSSHAIR_CURSOR);
    glfwSetCursor(window, crosshair);
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(g_fakes.shapes[g_fakes.lastCursor], GLFW_ARROW_CURSOR);
    glfwDestroyCursor(crosshair);

    // A new size shows in the very next frame.
    glfwSetWindowSize(window, 500, 300);
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(io().DisplaySize.x, 500.0f);
    EXPECT_EQ(io().DisplaySize.y, 300.0f);
    EXPECT_EQ(io().DisplayFramebufferScale.x, 1.0f);
}

namespace {
int g_appSizes = 0;
int g_appMoves = 0;
} // namespace

TEST_F(PlatformBinding, CallbacksInstalledAfterInitialisationLeaveTheFrameTrue) {
    ImGui_ImplGlfw_InitForOther(window, true);
    g_appSizes = g_appMoves = 0;
    const GLFWwindowsizefun appSize = [](GLFWwindow*, int, int) { ++g_appSizes; };
    const GLFWcursorposfun appMove = [](GLFWwindow*, double, double) { ++g_appMoves; };
    glfwSetWindowSizeCallback(window, appSize);
    glfwSetFramebufferSizeCallback(window, nullptr);
    glfwSetCursorPosCallback(window, appMove);
    glfwSetWindowFocusCallback(window, nullptr);
    glfwSetCursorEnterCallback(window, nullptr);

    glfwSetWindowSize(window, 320, 200);
    x11.movePointer(50, 60);
    settle();
    ImGui_ImplGlfw_NewFrame();
    EXPECT_GT(g_appSizes, 0);
    EXPECT_GT(g_appMoves, 0);
    EXPECT_EQ(io().DisplaySize.x, 320.0f);
    EXPECT_EQ(io().DisplaySize.y, 200.0f);
    int left = 0;
    int top = 0;
    glfwGetWindowPos(window, &left, &top);
    EXPECT_EQ(io().MousePos.x, static_cast<float>(50 - left));
    EXPECT_EQ(io().MousePos.y, static_cast<float>(60 - top));

    // Shutdown hands back only the callbacks the binding took over.
    ImGui_ImplGlfw_Shutdown();
    EXPECT_EQ(glfwSetWindowSizeCallback(window, nullptr), appSize);
    EXPECT_EQ(glfwSetCursorPosCallback(window, nullptr), appMove);
}

TEST_F(PlatformBinding, WithoutItsCallbacksTheBindingAsksGlfwEveryFrame) {
    ImGui_ImplGlfw_InitForOther(window, false);
    g_fakes.sizeQueries = g_fakes.focusQueries = g_fakes.cursorQueries = 0;
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(g_fakes.sizeQueries, 2);
    EXPECT_EQ(g_fakes.focusQueries, 1);
    EXPECT_EQ(g_fakes.cursorQueries, 1);
    EXPECT_EQ(io().MousePos.x, 100.0f);
    g_fakes.unfocused = true;
    g_fakes.windowW = 320;
    g_fakes.windowH = 160;
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(io().MousePos.x, -FLT_MAX);
    EXPECT_EQ(io().DisplaySize.x, 320.0f);
    EXPECT_EQ(io().DisplayFramebufferScale.y, 3.0f);
}

TEST_F(PlatformBinding, TimeStepStartsAtOneSixtiethThenFollowsTheClockAndStaysPositive) {
    ImGui_ImplGlfw_InitForOther(window, true);
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(io().DeltaTime, 1.0f / 60.0f);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    ImGui_ImplGlfw_NewFrame();
    EXPECT_GE(io().DeltaTime, 0.03f);
    EXPECT_LT(io().DeltaTime, 1.0f);

    for (double clock : {5000.0, 5000.0, 1.0}) { // a long pause, a standstill, a reset
        g_fakes.time = clock;
        ImGui_ImplGlfw_NewFrame();
        EXPECT_GT(io().DeltaTime, 0.0f) << clock;
    }
}

TEST_F(PlatformBinding, DisplaySizeAndAScaleThatSurvivesAnEmptySide) {
    ImGui_ImplGlfw_InitForOther(window, true);
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(io().DisplaySize.x, 640.0f);
    EXPECT_EQ(io().DisplaySize.y, 480.0f);
    g_fakes.windowW = 320;
    g_fakes.windowH = 160;
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(io().DisplaySize.x, 320.0f);
    EXPECT_EQ(io().DisplayFramebufferScale.x, 2.0f);
    EXPECT_EQ(io().DisplayFramebufferScale.y, 3.0f);
    g_fakes.windowW = 0;
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(io().DisplaySize.x, 0.0f);
    EXPECT_EQ(io().DisplayFramebufferScale.y, 3.0f);
}

TEST_F(PlatformBinding, CursorVisibilityFollowsTheRequestUnlessDisabledOrSwitchedOff) {
    ImGui_ImplGlfw_InitForOther(window, true);
    ImGui::SetMouseCursor(ImGuiMouseCursor_None);
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(cursorMode(), GLFW_CURSOR_HIDDEN);
    ImGui::SetMouseCursor(ImGuiMouseCursor_Hand);
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(cursorMode(), GLFW_CURSOR_NORMAL);
    io().MouseDrawCursor = true;
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(cursorMode(), GLFW_CURSOR_HIDDEN);

    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(cursorMode(), GLFW_CURSOR_DISABLED);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
    io().ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(cursorMode(), GLFW_CURSOR_NORMAL);
}

TEST_F(PlatformBinding, CursorShapesWithAnArrowWhereGlfwHasNoneOrCannotMakeOne) {
    ImGui_ImplGlfw_InitForOther(window, true);
    const int expected[ImGuiMouseCursor_COUNT] = {
        GLFW_ARROW_CURSOR,   GLFW_IBEAM_CURSOR,   GLFW_ARROW_CURSOR,
        GLFW_VRESIZE_CURSOR, GLFW_HRESIZE_CURSOR, GLFW_ARROW_CURSOR,
        GLFW_ARROW_CURSOR,   GLFW_HAND_CURSOR,    GLFW_ARROW_CURSOR};
    for (int kind = 0; kind < ImGuiMouseCursor_COUNT; ++kind) {
        ImGui::SetMouseCursor(kind);
        ImGui_ImplGlfw_NewFrame();
        EXPECT_EQ(g_fakes.shapes[g_fakes.lastCursor], expected[kind]) << kind;
    }

    g_fakes.failingShape = GLFW_IBEAM_CURSOR;
    g_glfwErrors = 0;
    ImGui_ImplGlfw_InitForOther(window, true);
    EXPECT_EQ(g_glfwErrors, 0);
    glfwGetKey(window, -5);
    EXPECT_EQ(g_glfwErrors, 1) << "the application's error callback is back";
    ImGui::SetMouseCursor(ImGuiMouseCursor_TextInput);
    ImGui_ImplGlfw_NewFrame();
    EXPECT_EQ(g_fakes.shapes[g_fakes.lastCursor], GLFW_ARROW_CURSOR);
}

TEST_F(PlatformBinding, ClipboardGoesThroughTheXSelection) {
    ImGui_ImplGlfw_InitForOther(window, true);
    ImGui::SetClipboardText(u8"from the panel: grüße ½");
    EXPECT_EQ(readClipboardAsAnotherClient(), u8"from the panel: grüße ½");
    EXPECT_STREQ(ImGui::GetClipboardText(), u8"from the panel: grüße ½");
}

TEST(PlatformBindingOrder, NewFrameBeforeTheFontAtlasIsBuiltStopsWithAnAssertion) {
    ImGui::CreateContext();
    EXPECT_DEATH(ImGui_ImplGlfw_NewFrame(),
                 "Font atlas not built! It is generally built by the renderer backend\\. Missing "
                 "call to renderer _NewFrame\\(\\) function\\? e\\.g\\. "
                 "ImGui_ImplOpenGL3_NewFrame\\(\\)\\.");
    ImGui::DestroyContext();
}
