#include "imgui_impl_glfw.h"

#include "ImeWindow.h"

#include <GLFW/glfw3.h>

#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

enum GlfwClientApi { GlfwClientApi_Unknown, GlfwClientApi_OpenGL, GlfwClientApi_Vulkan };

GLFWwindow* g_Window = nullptr;
GlfwClientApi g_ClientApi = GlfwClientApi_Unknown;
double g_Time = 0.0;
bool g_MouseJustPressed[IM_ARRAYSIZE(ImGuiIO::MouseDown)] = {};
GLFWcursor* g_MouseCursors[ImGuiMouseCursor_COUNT] = {};
bool g_InstalledCallbacks = false;
GLFWmousebuttonfun g_PrevUserCallbackMousebutton = nullptr;
GLFWscrollfun g_PrevUserCallbackScroll = nullptr;
GLFWkeyfun g_PrevUserCallbackKey = nullptr;
GLFWcharfun g_PrevUserCallbackChar = nullptr;

constexpr int KeysDownCount = IM_ARRAYSIZE(ImGuiIO::KeysDown);

// Dear ImGui 1.87 renamed the key.
#if IMGUI_VERSION_NUM >= 18700
constexpr ImGuiKey KeypadEnterKey = ImGuiKey_KeypadEnter;
#else
constexpr ImGuiKey KeypadEnterKey = ImGuiKey_KeyPadEnter;
#endif
constexpr int MouseButtonCount = IM_ARRAYSIZE(ImGuiIO::MouseDown);

// Dear ImGui asserts on a step that is not positive; GLFW's clock can repeat a
// value or be set back by the application.
constexpr float SmallestDeltaTime = 1.0e-6f;

constexpr const char* FontAtlasNotBuilt =
    "Font atlas not built! It is generally built by the renderer backend. Missing call to "
    "renderer _NewFrame() function? e.g. ImGui_ImplOpenGL3_NewFrame().";

struct GamepadButton {
    int button;
    ImGuiNavInput nav_input;
};

// GLFW reports an XInput pad's hat as buttons 10 to 13: up, right, down, left.
constexpr GamepadButton GamepadButtons[] = {
    {0, ImGuiNavInput_Activate},  {1, ImGuiNavInput_Cancel},    {2, ImGuiNavInput_Menu},
    {3, ImGuiNavInput_Input},     {13, ImGuiNavInput_DpadLeft}, {11, ImGuiNavInput_DpadRight},
    {10, ImGuiNavInput_DpadUp},   {12, ImGuiNavInput_DpadDown}, {4, ImGuiNavInput_FocusPrev},
    {5, ImGuiNavInput_FocusNext}, {4, ImGuiNavInput_TweakSlow}, {5, ImGuiNavInput_TweakFast},
};

struct GamepadStick {
    ImGuiNavInput nav_input;
    int axis;
    float start;
    float end;
};

constexpr GamepadStick GamepadSticks[] = {
    {ImGuiNavInput_LStickLeft, 0, -0.3f, -0.9f},
    {ImGuiNavInput_LStickRight, 0, +0.3f, +0.9f},
    {ImGuiNavInput_LStickUp, 1, +0.3f, +0.9f},
    {ImGuiNavInput_LStickDown, 1, -0.3f, -0.9f},
};

const char* ImGui_ImplGlfw_GetClipboardText(void* user_data) {
    return glfwGetClipboardString(static_cast<GLFWwindow*>(user_data));
}

void ImGui_ImplGlfw_SetClipboardText(void* user_data, const char* text) {
    glfwSetClipboardString(static_cast<GLFWwindow*>(user_data), text);
}

void RestorePreviousCallbacks() {
    if (!g_InstalledCallbacks) {
        return;
    }
    glfwSetMouseButtonCallback(g_Window, g_PrevUserCallbackMousebutton);
    glfwSetScrollCallback(g_Window, g_PrevUserCallbackScroll);
    glfwSetKeyCallback(g_Window, g_PrevUserCallbackKey);
    glfwSetCharCallback(g_Window, g_PrevUserCallbackChar);
    g_InstalledCallbacks = false;
}

void DestroyMouseCursors() {
    for (GLFWcursor*& cursor : g_MouseCursors) {
        if (cursor != nullptr) {
            glfwDestroyCursor(cursor);
        }
        cursor = nullptr;
    }
}

// What the binding's callback should chain to, given what installing it
// returned: the binding's own callback comes back when the window was
// initialised before without a shutdown, and chaining to it would never end,
// so the callback kept from then stays.
template <typename Callback>
Callback PreviousCallback(Callback returned, Callback own, Callback kept) {
    return returned == own ? kept : returned;
}

// Whether any of the binding's callbacks is on the window now. GLFW gives a
// destroyed window's address to the next window it makes, which starts with
// none of them.
bool HoldsOwnCallbacks(GLFWwindow* window) {
    const GLFWkeyfun key = glfwSetKeyCallback(window, nullptr);
    glfwSetKeyCallback(window, key);
    const GLFWmousebuttonfun button = glfwSetMouseButtonCallback(window, nullptr);
    glfwSetMouseButtonCallback(window, button);
    const GLFWscrollfun scroll = glfwSetScrollCallback(window, nullptr);
    glfwSetScrollCallback(window, scroll);
    const GLFWcharfun chr = glfwSetCharCallback(window, nullptr);
    glfwSetCharCallback(window, chr);
    return key == ImGui_ImplGlfw_KeyCallback || button == ImGui_ImplGlfw_MouseButtonCallback ||
           scroll == ImGui_ImplGlfw_ScrollCallback || chr == ImGui_ImplGlfw_CharCallback;
}

bool ImGui_ImplGlfw_Init(GLFWwindow* window, bool install_callbacks, GlfwClientApi client_api) {
    // Initialising again without a shutdown touches nothing of the earlier
    // initialisation's: its window may be destroyed and its cursors freed by a
    // glfwTerminate since. The old cursors are left to GLFW, which frees every
    // cursor when it terminates. Callbacks installed on the same window stay,
    // with what they pass events on to, until the shutdown hands those back,
    // also when this initialisation installs none; callbacks installed on
    // another window, or on a destroyed one whose address a new window has
    // now, are forgotten there.
    const bool sameWindowKeepsCallbacks =
        g_InstalledCallbacks && window == g_Window && HoldsOwnCallbacks(window);
    g_Window = window;
    g_Time = 0.0;

    ImGuiIO& io = ImGui::GetIO();
    io.BackendFlags |= ImGuiBackendFlags_HasMouseCursors;
    io.BackendFlags |= ImGuiBackendFlags_HasSetMousePos;
    io.BackendPlatformName = "imgui_impl_glfw";

    // GLFW key codes index io.KeysDown directly.
    io.KeyMap[ImGuiKey_Tab] = GLFW_KEY_TAB;
    io.KeyMap[ImGuiKey_LeftArrow] = GLFW_KEY_LEFT;
    io.KeyMap[ImGuiKey_RightArrow] = GLFW_KEY_RIGHT;
    io.KeyMap[ImGuiKey_UpArrow] = GLFW_KEY_UP;
    io.KeyMap[ImGuiKey_DownArrow] = GLFW_KEY_DOWN;
    io.KeyMap[ImGuiKey_PageUp] = GLFW_KEY_PAGE_UP;
    io.KeyMap[ImGuiKey_PageDown] = GLFW_KEY_PAGE_DOWN;
    io.KeyMap[ImGuiKey_Home] = GLFW_KEY_HOME;
    io.KeyMap[ImGuiKey_End] = GLFW_KEY_END;
    io.KeyMap[ImGuiKey_Insert] = GLFW_KEY_INSERT;
    io.KeyMap[ImGuiKey_Delete] = GLFW_KEY_DELETE;
    io.KeyMap[ImGuiKey_Backspace] = GLFW_KEY_BACKSPACE;
    io.KeyMap[ImGuiKey_Space] = GLFW_KEY_SPACE;
    io.KeyMap[ImGuiKey_Enter] = GLFW_KEY_ENTER;
    io.KeyMap[ImGuiKey_Escape] = GLFW_KEY_ESCAPE;
    io.KeyMap[KeypadEnterKey] = GLFW_KEY_KP_ENTER;
    io.KeyMap[ImGuiKey_A] = GLFW_KEY_A;
    io.KeyMap[ImGuiKey_C] = GLFW_KEY_C;
    io.KeyMap[ImGuiKey_V] = GLFW_KEY_V;
    io.KeyMap[ImGuiKey_X] = GLFW_KEY_X;
    io.KeyMap[ImGuiKey_Y] = GLFW_KEY_Y;
    io.KeyMap[ImGuiKey_Z] = GLFW_KEY_Z;

    io.SetClipboardTextFn = ImGui_ImplGlfw_SetClipboardText;
    io.GetClipboardTextFn = ImGui_ImplGlfw_GetClipboardText;
    io.ClipboardUserData = window;
    io.ImeWindowHandle = imeWindowHandleOf(window);

    // GLFW 3.3 has no shape for the four-way, diagonal and not-allowed cursors;
    // errors while the cursors are made are of no interest to the application.
    GLFWerrorfun prev_error_callback = glfwSetErrorCallback(nullptr);
    g_MouseCursors[ImGuiMouseCursor_Arrow] = glfwCreateStandardCursor(GLFW_ARROW_CURSOR);
    g_MouseCursors[ImGuiMouseCursor_TextInput] = glfwCreateStandardCursor(GLFW_IBEAM_CURSOR);
    g_MouseCursors[ImGuiMouseCursor_ResizeNS] = glfwCreateStandardCursor(GLFW_VRESIZE_CURSOR);
    g_MouseCursors[ImGuiMouseCursor_ResizeEW] = glfwCreateStandardCursor(GLFW_HRESIZE_CURSOR);
    g_MouseCursors[ImGuiMouseCursor_Hand] = glfwCreateStandardCursor(GLFW_HAND_CURSOR);
    g_MouseCursors[ImGuiMouseCursor_ResizeAll] = glfwCreateStandardCursor(GLFW_ARROW_CURSOR);
    g_MouseCursors[ImGuiMouseCursor_ResizeNESW] = glfwCreateStandardCursor(GLFW_ARROW_CURSOR);
    g_MouseCursors[ImGuiMouseCursor_ResizeNWSE] = glfwCreateStandardCursor(GLFW_ARROW_CURSOR);
    g_MouseCursors[ImGuiMouseCursor_NotAllowed] = glfwCreateStandardCursor(GLFW_ARROW_CURSOR);
    glfwSetErrorCallback(prev_error_callback);

    if (!install_callbacks && !sameWindowKeepsCallbacks) {
        g_InstalledCallbacks = false;
        g_PrevUserCallbackMousebutton = nullptr;
        g_PrevUserCallbackScroll = nullptr;
        g_PrevUserCallbackKey = nullptr;
        g_PrevUserCallbackChar = nullptr;
    } else if (install_callbacks) {
        g_InstalledCallbacks = true;
        g_PrevUserCallbackMousebutton =
            PreviousCallback(glfwSetMouseButtonCallback(window, ImGui_ImplGlfw_MouseButtonCallback),
                             ImGui_ImplGlfw_MouseButtonCallback, g_PrevUserCallbackMousebutton);
        g_PrevUserCallbackScroll =
            PreviousCallback(glfwSetScrollCallback(window, ImGui_ImplGlfw_ScrollCallback),
                             ImGui_ImplGlfw_ScrollCallback, g_PrevUserCallbackScroll);
        g_PrevUserCallbackKey =
            PreviousCallback(glfwSetKeyCallback(window, ImGui_ImplGlfw_KeyCallback),
                             ImGui_ImplGlfw_KeyCallback, g_PrevUserCallbackKey);
        g_PrevUserCallbackChar =
            PreviousCallback(glfwSetCharCallback(window, ImGui_ImplGlfw_CharCallback),
                             ImGui_ImplGlfw_CharCallback, g_PrevUserCallbackChar);
    }

    g_ClientApi = client_api;
    return true;
}

void ImGui_ImplGlfw_UpdateMousePosAndButtons() {
    ImGuiIO& io = ImGui::GetIO();
    for (int i = 0; i < MouseButtonCount; i++) {
        // A press released before this frame still counts as held for it.
        io.MouseDown[i] = g_MouseJustPressed[i] || glfwGetMouseButton(g_Window, i) != 0;
        g_MouseJustPressed[i] = false;
    }

    const ImVec2 mouse_pos_backup = io.MousePos;
    io.MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
    if (glfwGetWindowAttrib(g_Window, GLFW_FOCUSED) == 0) {
        return;
    }
    if (io.WantSetMousePos) {
        const double x = static_cast<double>(mouse_pos_backup.x);
        const double y = static_cast<double>(mouse_pos_backup.y);
        glfwSetCursorPos(g_Window, x, y);
    } else {
        double mouse_x = 0.0;
        double mouse_y = 0.0;
        glfwGetCursorPos(g_Window, &mouse_x, &mouse_y);
        io.MousePos = ImVec2(static_cast<float>(mouse_x), static_cast<float>(mouse_y));
    }
}

void ImGui_ImplGlfw_UpdateMouseCursor() {
    ImGuiIO& io = ImGui::GetIO();
    if ((io.ConfigFlags & ImGuiConfigFlags_NoMouseCursorChange) ||
        glfwGetInputMode(g_Window, GLFW_CURSOR) == GLFW_CURSOR_DISABLED) {
        return;
    }

    const ImGuiMouseCursor imgui_cursor = ImGui::GetMouseCursor();
    if (imgui_cursor == ImGuiMouseCursor_None || io.MouseDrawCursor) {
        glfwSetInputMode(g_Window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
        return;
    }
    GLFWcursor* cursor = nullptr;
    if (imgui_cursor >= 0 && imgui_cursor < ImGuiMouseCursor_COUNT) {
        cursor = g_MouseCursors[imgui_cursor];
    }
    if (cursor == nullptr) {
        cursor = g_MouseCursors[ImGuiMouseCursor_Arrow];
    }
    glfwSetCursor(g_Window, cursor);
    glfwSetInputMode(g_Window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
}

void ImGui_ImplGlfw_UpdateGamepads() {
    ImGuiIO& io = ImGui::GetIO();
    for (float& nav_input : io.NavInputs) {
        nav_input = 0.0f;
    }
    if ((io.ConfigFlags & ImGuiConfigFlags_NavEnableGamepad) == 0) {
        return;
    }

    int axes_count = 0;
    int buttons_count = 0;
    const float* axes = glfwGetJoystickAxes(GLFW_JOYSTICK_1, &axes_count);
    const unsigned char* buttons = glfwGetJoystickButtons(GLFW_JOYSTICK_1, &buttons_count);
    ImGui_ImplGlfw_GamepadNavInputs(axes, axes_count, buttons, buttons_count, io.NavInputs);
    if (axes_count > 0 && buttons_count > 0) {
        io.BackendFlags |= ImGuiBackendFlags_HasGamepad;
    } else {
        io.BackendFlags &= ~ImGuiBackendFlags_HasGamepad;
    }
}

} // namespace

bool ImGui_ImplGlfw_InitForOther(GLFWwindow* window, bool install_callbacks) {
    return ImGui_ImplGlfw_Init(window, install_callbacks, GlfwClientApi_Unknown);
}

bool ImGui_ImplGlfw_InitForOpenGL(GLFWwindow* window, bool install_callbacks) {
    return ImGui_ImplGlfw_Init(window, install_callbacks, GlfwClientApi_OpenGL);
}

bool ImGui_ImplGlfw_InitForVulkan(GLFWwindow* window, bool install_callbacks) {
    return ImGui_ImplGlfw_Init(window, install_callbacks, GlfwClientApi_Vulkan);
}

void ImGui_ImplGlfw_Shutdown() {
    RestorePreviousCallbacks();
    DestroyMouseCursors();
    g_ClientApi = GlfwClientApi_Unknown;
}

void ImGui_ImplGlfw_NewFrame() {
    ImGuiIO& io = ImGui::GetIO();
    // Checked in every build: Dear ImGui's own frame would go on to read a font
    // that does not exist.
    if (!io.Fonts->IsBuilt()) {
        std::fprintf(stderr, "%s:%d: Assertion failed: %s\n", __FILE__, __LINE__,
                     FontAtlasNotBuilt);
        std::abort();
    }

    int w = 0;
    int h = 0;
    int display_w = 0;
    int display_h = 0;
    glfwGetWindowSize(g_Window, &w, &h);
    glfwGetFramebufferSize(g_Window, &display_w, &display_h);
    // Dear ImGui stops the program on a negative size; none is a window's.
    w = w > 0 ? w : 0;
    h = h > 0 ? h : 0;
    io.DisplaySize = ImVec2(static_cast<float>(w), static_cast<float>(h));
    if (w > 0 && h > 0) {
        io.DisplayFramebufferScale = ImVec2(static_cast<float>(display_w) / static_cast<float>(w),
                                            static_cast<float>(display_h) / static_cast<float>(h));
    }

    const double current_time = glfwGetTime();
    if (g_Time > 0.0) {
        const float step = static_cast<float>(current_time - g_Time);
        io.DeltaTime = step > 0.0f ? step : SmallestDeltaTime;
    } else {
        io.DeltaTime = 1.0f / 60.0f;
    }
    g_Time = current_time;

    ImGui_ImplGlfw_UpdateMousePosAndButtons();
    ImGui_ImplGlfw_UpdateMouseCursor();
    ImGui_ImplGlfw_UpdateGamepads();
}

void ImGui_ImplGlfw_MouseButtonCallback(GLFWwindow* window, int button, int action, int mods) {
    if (g_PrevUserCallbackMousebutton != nullptr) {
        g_PrevUserCallbackMousebutton(window, button, action, mods);
    }
    if (action == GLFW_PRESS && button >= 0 && button < MouseButtonCount) {
        g_MouseJustPressed[button] = true;
    }
}

void ImGui_ImplGlfw_ScrollCallback(GLFWwindow* window, double xoffset, double yoffset) {
    if (g_PrevUserCallbackScroll != nullptr) {
        g_PrevUserCallbackScroll(window, xoffset, yoffset);
    }
    ImGuiIO& io = ImGui::GetIO();
    io.MouseWheelH += static_cast<float>(xoffset);
    io.MouseWheel += static_cast<float>(yoffset);
}

void ImGui_ImplGlfw_KeyCallback(GLFWwindow* window, int key, int scancode, int action, int mods) {
    if (g_PrevUserCallbackKey != nullptr) {
        g_PrevUserCallbackKey(window, key, scancode, action, mods);
    }
    ImGuiIO& io = ImGui::GetIO();
    if (key >= 0 && key < KeysDownCount) {
        if (action == GLFW_PRESS) {
            io.KeysDown[key] = true;
        } else if (action == GLFW_RELEASE) {
            io.KeysDown[key] = false;
        }
    }
    io.KeyCtrl = io.KeysDown[GLFW_KEY_LEFT_CONTROL] || io.KeysDown[GLFW_KEY_RIGHT_CONTROL];
    io.KeyShift = io.KeysDown[GLFW_KEY_LEFT_SHIFT] || io.KeysDown[GLFW_KEY_RIGHT_SHIFT];
    io.KeyAlt = io.KeysDown[GLFW_KEY_LEFT_ALT] || io.KeysDown[GLFW_KEY_RIGHT_ALT];
    io.KeySuper = io.KeysDown[GLFW_KEY_LEFT_SUPER] || io.KeysDown[GLFW_KEY_RIGHT_SUPER];
}

void ImGui_ImplGlfw_CharCallback(GLFWwindow* window, unsigned int c) {
    if (g_PrevUserCallbackChar != nullptr) {
        g_PrevUserCallbackChar(window, c);
    }
    ImGui::GetIO().AddInputCharacter(c);
}

void ImGui_ImplGlfw_GamepadNavInputs(const float* axes, int axes_count,
                                     const unsigned char* buttons, int buttons_count,
                                     float (&nav_inputs)[ImGuiNavInput_COUNT]) {
    for (float& nav_input : nav_inputs) {
        nav_input = 0.0f;
    }
    for (const GamepadButton& mapping : GamepadButtons) {
        if (buttons_count > mapping.button && buttons[mapping.button] == GLFW_PRESS) {
            nav_inputs[mapping.nav_input] = 1.0f;
        }
    }
    for (const GamepadStick& mapping : GamepadSticks) {
        const float value = axes_count > mapping.axis ? axes[mapping.axis] : mapping.start;
        float amount = (value - mapping.start) / (mapping.end - mapping.start);
        if (amount > 1.0f) {
            amount = 1.0f;
        }
        if (nav_inputs[mapping.nav_input] < amount) {
            nav_inputs[mapping.nav_input] = amount;
        }
    }
}
