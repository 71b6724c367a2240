#include "imgui_impl_glfw.h"

#include "GlfwStart.h"

#include "X11Driver.h"

#include <GLFW/glfw3.h>
#include <X11/keysym.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <string>
#include <vector>

// Last: the X11 headers define macros such as None and Bool.
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3native.h>

// The binding's joystick reads land here first: a test can plug in a pad.
namespace {
struct FakePad {
    bool plugged = false;
    std::vector<float> axes;
    std::vector<unsigned char> buttons;
    // Trailing entries the pad holds but does not report, as if past its end.
    int unreported = 0;
    std::vector<int> joysticksRead;
} g_pad;
} // namespace

extern "C" const float* glfwGetJoystickAxes(int jid, int* count) {
    g_pad.joysticksRead.push_back(jid);
    if (!g_pad.plugged) {
        *count = 0;
        return nullptr;
    }
    *count = static_cast<int>(g_pad.axes.size()) - g_pad.unreported;
    return g_pad.axes.data();
}

extern "C" const unsigned char* glfwGetJoystickButtons(int jid, int* count) {
    g_pad.joysticksRead.push_back(jid);
    if (!g_pad.plugged) {
        *count = 0;
        return nullptr;
    }
    *count = static_cast<int>(g_pad.buttons.size()) - g_pad.unreported;
    return g_pad.buttons.data();
}

namespace {
// The binding on a real window, fed by real X input; what counts is what Dear
// ImGui's own frame makes of it.
class BindingInput : public ::testing::Test {
  protected:
    void SetUp() override {
        g_pad = FakePad{};
        ASSERT_TRUE(startGlfw());
        glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
        window = glfwCreateWindow(640, 480, "binding input", nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        x11.movePointer(100, 100);
        settle();
        ImGui::CreateContext();
        io().IniFilename = nullptr;
        io().BackendFlags = ImGuiBackendFlags_RendererHasVtxOffset;
        unsigned char* pixels = nullptr;
        int w = 0, h = 0;
        io().Fonts->GetTexDataAsRGBA32(&pixels, &w, &h);
        ImGui_ImplGlfw_InitForOther(window, true);
    }
    void TearDown() override {
        if (ImGui::GetCurrentContext() != nullptr) {
            ImGui_ImplGlfw_Shutdown();
            ImGui::DestroyContext();
        }
        glfwTerminate();
        g_pad = FakePad{};
    }
    void settle() {
        x11.sync();
        glfwWaitEventsTimeout(0.1);
        glfwPollEvents();
    }
    // One whole UI frame, as the program runs it.
    void frame() {
        ImGui_ImplGlfw_NewFrame();
        ImGui::NewFrame();
        ImGui::EndFrame();
    }
    static ImGuiIO& io() { return ImGui::GetIO(); }

    GLFWwindow* window = nullptr;
    X11Driver x11;
};

struct KeyOfUi {
    ImGuiKey key;
    unsigned long keysym;
};
constexpr KeyOfUi kUiKeys[] = {
    {ImGuiKey_Tab, XK_Tab},
    {ImGuiKey_LeftArrow, XK_Left},
    {ImGuiKey_RightArrow, XK_Right},
    {ImGuiKey_UpArrow, XK_Up},
    {ImGuiKey_DownArrow, XK_Down},
    {ImGuiKey_PageUp, XK_Prior},
    {ImGuiKey_PageDown, XK_Next},
    {ImGuiKey_Home, XK_Home},
    {ImGuiKey_End, XK_End},
    {ImGuiKey_Insert, XK_Insert},
    {ImGuiKey_Delete, XK_Delete},
    {ImGuiKey_Backspace, XK_BackSpace},
    {ImGuiKey_Space, XK_space},
    {ImGuiKey_Enter, XK_Return},
    {ImGuiKey_Escape, XK_Escape},
#if IMGUI_VERSION_NUM >= 18700
    {ImGuiKey_KeypadEnter, XK_KP_Enter},
#else
    {ImGuiKey_KeyPadEnter, XK_KP_Enter},
#endif
    {ImGuiKey_A, XK_a},
    {ImGuiKey_C, XK_c},
    {ImGuiKey_V, XK_v},
    {ImGuiKey_X, XK_x},
    {ImGuiKey_Y, XK_y},
    {ImGuiKey_Z, XK_z},
};
#if IMGUI_VERSION_NUM < 18700
// Since 1.87 the keys are the whole keyboard; the legacy key map keeps these.
static_assert(sizeof kUiKeys / sizeof kUiKeys[0] == ImGuiKey_COUNT, "every key of the UI");
#endif

bool uiKeyDown(ImGuiKey key) {
    return ImGui::IsKeyDown(ImGui::GetKeyIndex(key));
}
} // namespace

TEST_F(BindingInput, EachKeyReachesTheUiAsItsOwnKeyAndItsReleaseLeavesNothingHeld) {
    for (const KeyOfUi& pressed : kUiKeys) {
        x11.key(pressed.keysym, true);
        settle();
        frame();
        EXPECT_TRUE(ImGui::IsKeyPressed(ImGui::GetKeyIndex(pressed.key), false)) << pressed.key;
        for (const KeyOfUi& other : kUiKeys) {
            if (other.key != pressed.key) {
                EXPECT_FALSE(uiKeyDown(other.key)) << pressed.key << " shows as " << other.key;
            }
        }
        x11.key(pressed.keysym, false);
        settle();
        frame();
        EXPECT_TRUE(ImGui::IsKeyReleased(ImGui::GetKeyIndex(pressed.key))) << pressed.key;
        for (int index = 0; index < IM_ARRAYSIZE(io().KeysDown); ++index) {
            EXPECT_FALSE(io().KeysDown[index]) << index << " held after " << pressed.key;
        }
    }
}

TEST_F(BindingInput, EitherHandsModifierKeysCountAndTheirReleaseEndsThem) {
    struct Modifier {
        unsigned long keysym;
        bool ctrl, shift, alt, super;
    };
    const Modifier modifiers[] = {
        {XK_Control_L, true, false, false, false}, {XK_Control_R, true, false, false, false},
        {XK_Shift_L, false, true, false, false},   {XK_Shift_R, false, true, false, false},
        {XK_Alt_L, false, false, true, false},     {XK_Alt_R, false, false, true, false},
        {XK_Super_L, false, false, false, true},   {XK_Super_R, false, false, false, true},
    };
    for (const Modifier& modifier : modifiers) {
        const std::string name = XKeysymToString(modifier.keysym);
        x11.key(modifier.keysym, true);
        settle();
        frame();
        EXPECT_EQ(io().KeyCtrl, modifier.ctrl) << name;
        EXPECT_EQ(io().KeyShift, modifier.shift) << name;
        EXPECT_EQ(io().KeyAlt, modifier.alt) << name;
        EXPECT_EQ(io().KeySuper, modifier.super) << name;
        x11.key(modifier.keysym, false);
        settle();
        frame();
        EXPECT_FALSE(io().KeyCtrl || io().KeyShift || io().KeyAlt || io().KeySuper) << name;
    }
}

TEST_F(BindingInput, NamesItselfAndAddsItsCapabilitiesToTheRenderersOnes) {
    EXPECT_STREQ(io().BackendPlatformName, "imgui_impl_glfw");
    EXPECT_EQ(io().BackendFlags, ImGuiBackendFlags_RendererHasVtxOffset |
                                     ImGuiBackendFlags_HasMouseCursors |
                                     ImGuiBackendFlags_HasSetMousePos);
    EXPECT_EQ(io().ClipboardUserData, window);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(io().ImeWindowHandle), glfwGetX11Window(window));
}

TEST_F(BindingInput, LosingTheFocusToAnotherWindowHidesThePointerUntilItComesBack) {
    frame();
    EXPECT_EQ(io().MousePos.x, 100.0f);
    EXPECT_EQ(io().MousePos.y, 100.0f);

    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* other = glfwCreateWindow(100, 100, "other", nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    glfwSetWindowPos(other, 700, 500);
    glfwShowWindow(other);
    glfwFocusWindow(other);
    settle();
    frame();
    EXPECT_EQ(io().MousePos.x, -FLT_MAX);
    EXPECT_EQ(io().MousePos.y, -FLT_MAX);

    glfwFocusWindow(window);
    settle();
    frame();
    EXPECT_EQ(io().MousePos.x, 100.0f);
    EXPECT_EQ(io().MousePos.y, 100.0f);
    glfwDestroyWindow(other);
}

namespace {
struct NavCase {
    std::vector<float> axes;
    std::vector<unsigned char> buttons;
    std::vector<std::pair<ImGuiNavInput, float>> raised; // all others 0
    int unreported = 0;
};
} // namespace

TEST_F(BindingInput, GamepadOnTheFirstJoystickDrivesNavigationThroughItsTables) {
    io().ConfigFlags |= ImGuiConfigFlags_NavEnableGamepad;
    g_pad.plugged = true;
    const std::vector<float> centred = {0.0f, 0.0f};
    auto only = [](int button) {
        std::vector<unsigned char> buttons(14, GLFW_RELEASE);
        buttons[static_cast<size_t>(button)] = GLFW_PRESS;
        return buttons;
    };
    const std::vector<unsigned char> none(14, GLFW_RELEASE);
    const NavCase cases[] = {
        {centred, only(0), {{ImGuiNavInput_Activate, 1.0f}}},
        {centred, only(1), {{ImGuiNavInput_Cancel, 1.0f}}},
        {centred, only(2), {{ImGuiNavInput_Menu, 1.0f}}},
        {centred, only(3), {{ImGuiNavInput_Input, 1.0f}}},
        {centred, only(4), {{ImGuiNavInput_FocusPrev, 1.0f}, {ImGuiNavInput_TweakSlow, 1.0f}}},
        {centred, only(5), {{ImGuiNavInput_FocusNext, 1.0f}, {ImGuiNavInput_TweakFast, 1.0f}}},
        {centred, only(6), {}},
        {centred, only(9), {}},
        {centred, only(10), {{ImGuiNavInput_DpadUp, 1.0f}}},
        {centred, only(11), {{ImGuiNavInput_DpadRight, 1.0f}}},
        {centred, only(12), {{ImGuiNavInput_DpadDown, 1.0f}}},
        {centred, only(13), {{ImGuiNavInput_DpadLeft, 1.0f}}},
        // A pad with fewer buttons or axes has none of the missing ones
        // pressed, and the missing axes count as centred.
        {{0.0f, 0.0f, 0.0f}, {GLFW_RELEASE, GLFW_RELEASE, GLFW_RELEASE, GLFW_PRESS}, {}, 1},
        {{0.6f, 0.9f}, {GLFW_RELEASE, GLFW_PRESS}, {{ImGuiNavInput_LStickRight, 0.5f}}, 1},
        // Dead zone within 0.3 of the centre, a ramp to 1 at 0.9, 1 beyond.
        {{0.29f, -0.29f}, none, {}},
        {{0.3f, -0.3f}, none, {}},
        {{0.45f, 0.0f}, none, {{ImGuiNavInput_LStickRight, 0.25f}}},
        {{0.6f, 0.0f}, none, {{ImGuiNavInput_LStickRight, 0.5f}}},
        {{-0.6f, 0.0f}, none, {{ImGuiNavInput_LStickLeft, 0.5f}}},
        {{-0.75f, 0.0f}, none, {{ImGuiNavInput_LStickLeft, 0.75f}}},
        {{0.0f, 0.6f}, none, {{ImGuiNavInput_LStickUp, 0.5f}}},
        {{0.0f, -0.6f}, none, {{ImGuiNavInput_LStickDown, 0.5f}}},
        {{0.9f, -0.9f},
         none,
         {{ImGuiNavInput_LStickRight, 1.0f}, {ImGuiNavInput_LStickDown, 1.0f}}},
        {{-1.0f, 1.0f}, none, {{ImGuiNavInput_LStickLeft, 1.0f}, {ImGuiNavInput_LStickUp, 1.0f}}},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        g_pad.axes = cases[i].axes;
        g_pad.buttons = cases[i].buttons;
        g_pad.unreported = cases[i].unreported;
        g_pad.joysticksRead.clear();
        ImGui_ImplGlfw_NewFrame();
        float expected[ImGuiNavInput_COUNT] = {};
        for (const auto& [input, value] : cases[i].raised) {
            expected[input] = value;
        }
        for (int input = 0; input < ImGuiNavInput_COUNT; ++input) {
            EXPECT_NEAR(io().NavInputs[input], expected[input], 1e-5f)
                << "case " << i << ", navigation input " << input;
        }
        EXPECT_TRUE(io().BackendFlags & ImGuiBackendFlags_HasGamepad) << i;
        EXPECT_EQ(g_pad.joysticksRead, (std::vector<int>{GLFW_JOYSTICK_1, GLFW_JOYSTICK_1})) << i;
    }

    // A pad without axes or without buttons is no gamepad.
    g_pad.unreported = 0;
    g_pad.axes.clear();
    ImGui_ImplGlfw_NewFrame();
    EXPECT_FALSE(io().BackendFlags & ImGuiBackendFlags_HasGamepad);
    g_pad.axes = centred;
    ImGui_ImplGlfw_NewFrame();
    EXPECT_TRUE(io().BackendFlags & ImGuiBackendFlags_HasGamepad);
    g_pad.buttons.clear();
    ImGui_ImplGlfw_NewFrame();
    EXPECT_FALSE(io().BackendFlags & ImGuiBackendFlags_HasGamepad);

    // With gamepad navigation off, a pressed pad raises nothing and the flag
    // stays as it was.
    g_pad.buttons = only(0);
    g_pad.axes = {1.0f, 1.0f};
    io().BackendFlags |= ImGuiBackendFlags_HasGamepad;
    io().ConfigFlags &= ~ImGuiConfigFlags_NavEnableGamepad;
    io().NavInputs[ImGuiNavInput_Cancel] = 1.0f;
    ImGui_ImplGlfw_NewFrame();
    for (int input = 0; input < ImGuiNavInput_COUNT; ++input) {
        EXPECT_EQ(io().NavInputs[input], 0.0f) << input;
    }
    EXPECT_TRUE(io().BackendFlags & ImGuiBackendFlags_HasGamepad);
}

TEST_F(BindingInput, WheelNotchesOfEitherDirectionAddUpUntilTheFrame) {
    for (unsigned int xButton : {4u, 4u, 4u, 5u, 6u, 7u, 7u}) {
        x11.click(xButton); // 4 and 5 turn the wheel up and down, 6 and 7 tilt it
    }
    settle();
    EXPECT_EQ(io().MouseWheel, 2.0f);
    EXPECT_EQ(io().MouseWheelH, -1.0f);
    frame();
    EXPECT_EQ(io().MouseWheel, 0.0f);
    EXPECT_EQ(io().MouseWheelH, 0.0f);
}
