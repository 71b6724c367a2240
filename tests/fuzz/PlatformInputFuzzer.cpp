// Fuzzes the UI platform binding and the window's input adapters with GLFW
// events of any value: keys, scan codes, actions and modifiers; mouse buttons;
// wheel offsets; characters; pointer and window positions; focus; window and
// framebuffer sizes; the clock; the held mouse buttons; a gamepad's axes and
// buttons. Events go through the callbacks installed on a real GLFW window, the
// binding's first, which pass them on to the window's adapters as in the
// program, interleaved with new frames of the UI library. What GLFW is asked
// during a frame (sizes, focus, clock, buttons, pointer, gamepad) answers with
// the input's values.
//
// A crash, a failed assertion of the UI library or a sanitizer report is a
// finding. Needs an X server (scripts/with-xvfb.sh).

#include "Window.h"
#include "imgui_impl_glfw.h"

#include <GLFW/glfw3.h>
#include <dlfcn.h>
#include <fuzzer/FuzzedDataProvider.h>
#include <imgui.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Answers {
    bool active = false;
    int windowWidth = 640;
    int windowHeight = 480;
    int framebufferWidth = 640;
    int framebufferHeight = 480;
    int focused = GLFW_TRUE;
    double time = 0.0;
    double cursorX = 0.0;
    double cursorY = 0.0;
    unsigned int buttons = 0;
    std::vector<float> axes;
    std::vector<unsigned char> gamepadButtons;
} g_answers;

template <typename Fn> Fn real(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" void glfwGetWindowSize(GLFWwindow* window, int* width, int* height) {
    if (g_answers.active) {
        *width = g_answers.windowWidth;
        *height = g_answers.windowHeight;
        return;
    }
    real<void (*)(GLFWwindow*, int*, int*)>("glfwGetWindowSize")(window, width, height);
}

extern "C" void glfwGetFramebufferSize(GLFWwindow* window, int* width, int* height) {
    if (g_answers.active) {
        *width = g_answers.framebufferWidth;
        *height = g_answers.framebufferHeight;
        return;
    }
    real<void (*)(GLFWwindow*, int*, int*)>("glfwGetFramebufferSize")(window, width, height);
}

extern "C" int glfwGetWindowAttrib(GLFWwindow* window, int attrib) {
    if (g_answers.active && attrib == GLFW_FOCUSED) {
        return g_answers.focused;
    }
    return real<int (*)(GLFWwindow*, int)>("glfwGetWindowAttrib")(window, attrib);
}

extern "C" double glfwGetTime() {
    return g_answers.active ? g_answers.time : real<double (*)()>("glfwGetTime")();
}

extern "C" void glfwGetCursorPos(GLFWwindow* window, double* x, double* y) {
    if (g_answers.active) {
        *x = g_answers.cursorX;
        *y = g_answers.cursorY;
        return;
    }
    real<void (*)(GLFWwindow*, double*, double*)>("glfwGetCursorPos")(window, x, y);
}

extern "C" int glfwGetMouseButton(GLFWwindow* window, int button) {
    if (g_answers.active) {
        return button >= 0 && button < 32 && (g_answers.buttons >> button & 1u) != 0 ? GLFW_PRESS
                                                                                     : GLFW_RELEASE;
    }
    return real<int (*)(GLFWwindow*, int)>("glfwGetMouseButton")(window, button);
}

extern "C" const float* glfwGetJoystickAxes(int jid, int* count) {
    if (g_answers.active) {
        *count = static_cast<int>(g_answers.axes.size());
        return g_answers.axes.empty() ? nullptr : g_answers.axes.data();
    }
    return real<const float* (*)(int, int*)>("glfwGetJoystickAxes")(jid, count);
}

extern "C" const unsigned char* glfwGetJoystickButtons(int jid, int* count) {
    if (g_answers.active) {
        *count = static_cast<int>(g_answers.gamepadButtons.size());
        return g_answers.gamepadButtons.empty() ? nullptr : g_answers.gamepadButtons.data();
    }
    return real<const unsigned char* (*)(int, int*)>("glfwGetJoystickButtons")(jid, count);
}

namespace {

Window* g_window = nullptr;
ImFontAtlas* g_fonts = nullptr;
long g_adapterEvents = 0;

void countKey(int, ButtonAction) {
    ++g_adapterEvents;
}
void countButton(MouseButton, ButtonAction, int, int) {
    ++g_adapterEvents;
}

struct Installed {
    GLFWkeyfun key;
    GLFWmousebuttonfun button;
    GLFWscrollfun scroll;
    GLFWcharfun character;
    GLFWcursorposfun cursorPos;
    GLFWwindowposfun windowPos;
};

// The callbacks on the window now, left in place.
Installed installedCallbacks(GLFWwindow* w) {
    Installed c{};
    c.key = glfwSetKeyCallback(w, nullptr);
    glfwSetKeyCallback(w, c.key);
    c.button = glfwSetMouseButtonCallback(w, nullptr);
    glfwSetMouseButtonCallback(w, c.button);
    c.scroll = glfwSetScrollCallback(w, nullptr);
    glfwSetScrollCallback(w, c.scroll);
    c.character = glfwSetCharCallback(w, nullptr);
    glfwSetCharCallback(w, c.character);
    c.cursorPos = glfwSetCursorPosCallback(w, nullptr);
    glfwSetCursorPosCallback(w, c.cursorPos);
    c.windowPos = glfwSetWindowPosCallback(w, nullptr);
    glfwSetWindowPosCallback(w, c.windowPos);
    return c;
}

double anyDouble(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: {
        const uint64_t bits = in.ConsumeIntegral<uint64_t>();
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof(value));
        return value;
    }
    case 1:
        return in.ConsumeFloatingPoint<double>();
    default:
        return in.ConsumeFloatingPointInRange(-100.0, 2000.0);
    }
}

float anyFloat(FuzzedDataProvider& in) {
    const uint32_t bits = in.ConsumeIntegral<uint32_t>();
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof(value));
    return in.ConsumeBool() ? value : in.ConsumeFloatingPointInRange(-1.5f, 1.5f);
}

int anyInt(FuzzedDataProvider& in, int low, int high) {
    return in.ConsumeBool() ? in.ConsumeIntegralInRange(low, high) : in.ConsumeIntegral<int>();
}

float g_speed = 1.0f;
float g_colour[3] = {0.5f, 0.5f, 0.5f};

void frame() {
    ImGui_ImplGlfw_NewFrame();
    ImGui::NewFrame();
    ImGui::Begin("Tallowick");
    ImGui::SliderFloat("Rotation speed", &g_speed, 0.0f, 2.0f, "%.3f");
    ImGui::ColorEdit3("Clear color", g_colour);
    ImGui::Text("Application average %.3f ms/frame", static_cast<double>(g_speed));
    ImGui::End();
    ImGui::Render();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_window = new Window();
    if (g_window->create() == nullptr) {
        std::fprintf(stderr, "no window: is there an X server?\n");
        std::abort();
    }
    g_window->setKeyCallback(countKey);
    g_window->setMouseButtonCallback(countButton);
    g_window->show();
    g_fonts = new ImFontAtlas();
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    g_fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    GLFWwindow* window = g_window->getGlfwWindow();

    ImGuiContext* context = ImGui::CreateContext(g_fonts);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    g_answers = Answers{};
    ImGui_ImplGlfw_InitForOther(window, true);
    g_answers.active = true;
    const Installed callbacks = installedCallbacks(window);
    if (in.ConsumeBool()) {
        io.ConfigFlags |= ImGuiConfigFlags_NavEnableGamepad;
    }
    if (in.ConsumeBool()) {
        io.ConfigFlags |= ImGuiConfigFlags_NavEnableKeyboard;
    }

    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 13)) {
        case 0:
            callbacks.key(window, anyInt(in, -1, GLFW_KEY_LAST + 1), in.ConsumeIntegral<int>(),
                          anyInt(in, 0, 3), in.ConsumeIntegral<int>());
            break;
        case 1:
            callbacks.button(window, anyInt(in, -1, 9), anyInt(in, 0, 3),
                             in.ConsumeIntegral<int>());
            break;
        case 2:
            callbacks.scroll(window, anyDouble(in), anyDouble(in));
            break;
        case 3:
            callbacks.character(window, in.ConsumeBool() ? in.ConsumeIntegral<unsigned int>()
                                                         : in.ConsumeIntegralInRange(32u, 127u));
            break;
        case 4:
            g_answers.cursorX = anyDouble(in);
            g_answers.cursorY = anyDouble(in);
            callbacks.cursorPos(window, g_answers.cursorX, g_answers.cursorY);
            break;
        case 5:
            callbacks.windowPos(window, anyInt(in, -4000, 4000), anyInt(in, -4000, 4000));
            break;
        case 6:
            g_answers.focused = anyInt(in, 0, 1);
            break;
        case 7:
            g_answers.windowWidth = anyInt(in, 0, 4000);
            g_answers.windowHeight = anyInt(in, 0, 4000);
            break;
        case 8:
            g_answers.framebufferWidth = anyInt(in, 0, 4000);
            g_answers.framebufferHeight = anyInt(in, 0, 4000);
            break;
        case 9:
            g_answers.time = anyDouble(in);
            break;
        case 10:
            g_answers.buttons = in.ConsumeIntegral<unsigned int>();
            break;
        case 11: {
            g_answers.axes.resize(in.ConsumeIntegralInRange(0, 8));
            for (float& axis : g_answers.axes) {
                axis = anyFloat(in);
            }
            g_answers.gamepadButtons.resize(in.ConsumeIntegralInRange(0, 16));
            for (unsigned char& button : g_answers.gamepadButtons) {
                button = in.ConsumeIntegral<unsigned char>();
            }
            break;
        }
        default:
            frame();
            break;
        }
    }
    frame();

    ImGui_ImplGlfw_Shutdown();
    g_answers.active = false;
    ImGui::DestroyContext(context);
    return 0;
}
