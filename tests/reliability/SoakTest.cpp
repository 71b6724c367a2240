// The program's components wired as app/main.cpp wires them, run in one
// process for many frames while a scripted user works the control panel,
// presses keys and buttons and turns the wheel. Events enter through the
// callbacks installed on the GLFW window, as GLFW itself would deliver them;
// only the pointer's position and buttons are reported by the script.

#include "Device.h"
#include "GpuObjectCount.h"
#include "Process.h"
#include "Scene.h"
#include "Surface.h"
#include "SurfaceTesting.h"
#include "Window.h"
#include "imgui_impl_glfw.h"
#include "imgui_impl_wgpu.h"

#include <GLFW/glfw3.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// ---- the pointer as the script moves it ----------------------------------------------------

namespace {
struct ScriptedPointer {
    bool active = false;
    double x = 0.0;
    double y = 0.0;
    bool down[GLFW_MOUSE_BUTTON_LAST + 1] = {};
} g_pointer;

template <typename Fn> Fn real(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C" void glfwGetCursorPos(GLFWwindow* window, double* x, double* y) {
    if (g_pointer.active) {
        *x = g_pointer.x;
        *y = g_pointer.y;
        return;
    }
    real<void (*)(GLFWwindow*, double*, double*)>("glfwGetCursorPos")(window, x, y);
}

extern "C" int glfwGetMouseButton(GLFWwindow* window, int button) {
    if (g_pointer.active) {
        return button >= 0 && button <= GLFW_MOUSE_BUTTON_LAST && g_pointer.down[button]
                   ? GLFW_PRESS
                   : GLFW_RELEASE;
    }
    return real<int (*)(GLFWwindow*, int)>("glfwGetMouseButton")(window, button);
}

namespace {

// ---- the program, as app/main.cpp puts it together ------------------------------------------

Scene* g_scene = nullptr;

void forwardKey(int key, ButtonAction action) {
    g_scene->onKey(key, action);
}
void forwardMouseButton(MouseButton button, ButtonAction action, int x, int y) {
    g_scene->onMouseButton(button, action, x, y);
}
void forwardResize(int width, int height) {
    g_scene->onResize(width, height);
}

// A small deterministic generator: every run feeds the same events.
class Random {
  public:
    uint32_t next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<uint32_t>(state >> 32);
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<uint32_t>(bound)); }
    double between(double low, double high) { return low + (high - low) * (next() / 4294967296.0); }

  private:
    uint64_t state = 0x9E3779B97F4A7C15ull;
};

// Where the panel's widgets are, read from the UI library once it has laid
// the panel out: the speed slider, then one colour edit per row.
struct PanelLayout {
    ImVec2 min;
    ImVec2 max;
    ImVec2 origin;
    float itemWidth = 0.0f;
    float row = 0.0f;
    float frame = 0.0f;
    float componentWidth = 0.0f;
    float innerSpacing = 0.0f;

    static PanelLayout read() {
        PanelLayout layout;
        ImGuiWindow* panel = ImGui::FindWindowByName("Tallowick");
        if (panel == nullptr) {
            return layout;
        }
        const ImGuiStyle& style = ImGui::GetStyle();
        layout.min = panel->Pos;
        layout.max = ImVec2(panel->Pos.x + panel->Size.x, panel->Pos.y + panel->Size.y);
        layout.origin = panel->DC.CursorStartPos;
        layout.itemWidth = panel->ItemWidthDefault;
        layout.frame = ImGui::GetFrameHeight();
        layout.row = ImGui::GetFrameHeightWithSpacing();
        layout.innerSpacing = style.ItemInnerSpacing.x;
        const float inputs = layout.itemWidth - (layout.frame + layout.innerSpacing);
        layout.componentWidth = std::floor((inputs - 2.0f * layout.innerSpacing) / 3.0f);
        return layout;
    }
    bool valid() const { return itemWidth > 10.0f && row > 0.0f; }
    float rowCentre(int row_) const {
        return origin.y + static_cast<float>(row_) * row + frame / 2;
    }
    // Row 1 is the clear colour, rows 2 to 4 the vertex colours.
    float componentLeft(int component) const {
        return origin.x + static_cast<float>(component) * (componentWidth + innerSpacing);
    }
};

struct Callbacks {
    GLFWkeyfun key = nullptr;
    GLFWmousebuttonfun button = nullptr;
    GLFWscrollfun scroll = nullptr;
    GLFWcharfun character = nullptr;
    GLFWcursorposfun cursorPos = nullptr;
    GLFWwindowfocusfun focus = nullptr;

    // Whatever is installed on the window now, left installed.
    static Callbacks installedOn(GLFWwindow* window) {
        Callbacks c;
        c.key = glfwSetKeyCallback(window, nullptr);
        glfwSetKeyCallback(window, c.key);
        c.button = glfwSetMouseButtonCallback(window, nullptr);
        glfwSetMouseButtonCallback(window, c.button);
        c.scroll = glfwSetScrollCallback(window, nullptr);
        glfwSetScrollCallback(window, c.scroll);
        c.character = glfwSetCharCallback(window, nullptr);
        glfwSetCharCallback(window, c.character);
        c.cursorPos = glfwSetCursorPosCallback(window, nullptr);
        glfwSetCursorPosCallback(window, c.cursorPos);
        c.focus = glfwSetWindowFocusCallback(window, nullptr);
        glfwSetWindowFocusCallback(window, c.focus);
        return c;
    }
};

int echoedAction(int glfwAction) {
    return glfwAction == GLFW_PRESS     ? 1
           : glfwAction == GLFW_RELEASE ? 0
           : glfwAction == GLFW_REPEAT  ? 2
                                        : -1;
}

int echoedButton(int glfwButton) {
    return glfwButton == GLFW_MOUSE_BUTTON_LEFT     ? 0
           : glfwButton == GLFW_MOUSE_BUTTON_RIGHT  ? 1
           : glfwButton == GLFW_MOUSE_BUTTON_MIDDLE ? 2
                                                    : -1;
}

// A user who keeps working the panel, pressing keys, clicking and scrolling.
// Every event it sends is also written to `expected` as the line the program
// should echo for it.
class ScriptedUser {
  public:
    ScriptedUser(GLFWwindow* window, Callbacks callbacks, PanelLayout layout, FILE* expected)
        : window_(window), callbacks_(callbacks), layout_(layout), expected_(expected) {
        // Without a window manager the window would never get the focus.
        if (callbacks_.focus != nullptr) {
            callbacks_.focus(window_, GLFW_TRUE);
        }
    }

    // Sends this frame's events.
    void act() {
        if (step_ >= length_) {
            startGesture();
        }
        switch (gesture_) {
        case Gesture::DragSlider:
        case Gesture::DragColour:
            dragStep();
            break;
        case Gesture::Clicks:
            clickStep();
            break;
        case Gesture::Keys:
            keyStep();
            break;
        case Gesture::Wheel:
            wheelStep();
            break;
        case Gesture::Rest:
            break;
        }
        ++step_;
    }

    // Releases every button and key the script holds.
    void letGo() {
        for (int button = 0; button <= GLFW_MOUSE_BUTTON_LAST; ++button) {
            if (g_pointer.down[button]) {
                sendButton(button, GLFW_RELEASE);
            }
        }
        for (int key : kModifiers) {
            sendKey(key, GLFW_RELEASE);
        }
    }

    int expectedDirection() const { return direction_; }
    long events() const { return events_; }
    long leftPresses() const { return leftPresses_; }

  private:
    enum class Gesture { DragSlider, DragColour, Clicks, Keys, Wheel, Rest };
    static constexpr int kModifiers[] = {GLFW_KEY_LEFT_CONTROL, GLFW_KEY_LEFT_SHIFT,
                                         GLFW_KEY_LEFT_ALT, GLFW_KEY_RIGHT_SUPER};

    void startGesture() {
        step_ = 0;
        const int pick = random_.below(12);
        if (pick < 4) {
            gesture_ = Gesture::DragSlider;
            const float y = layout_.rowCentre(0);
            dragFrom_ =
                ImVec2(layout_.origin.x + 2.0f + random_.between(0, layout_.itemWidth - 4), y);
            dragTo_ = ImVec2(layout_.origin.x + random_.between(-20, layout_.itemWidth + 20), y);
            length_ = 14;
        } else if (pick < 7) {
            gesture_ = Gesture::DragColour;
            const float y = layout_.rowCentre(1 + random_.below(4));
            const float left = layout_.componentLeft(random_.below(3));
            dragFrom_ = ImVec2(left + layout_.componentWidth / 2, y);
            dragTo_ = ImVec2(dragFrom_.x + random_.between(-80, 80), y);
            length_ = 14;
        } else if (pick < 9) {
            gesture_ = Gesture::Clicks;
            length_ = 6;
        } else if (pick < 10) {
            gesture_ = Gesture::Keys;
            length_ = 8;
        } else if (pick < 11) {
            gesture_ = Gesture::Wheel;
            length_ = 4;
        } else {
            gesture_ = Gesture::Rest;
            length_ = 3;
        }
    }

    // Press at the start, move there over ten frames, release.
    void dragStep() {
        if (step_ == 0) {
            moveTo(dragFrom_.x + 0.25, dragFrom_.y + 0.75);
        } else if (step_ == 1) {
            sendButton(GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS);
        } else if (step_ < length_ - 1) {
            const double t = (step_ - 1) / static_cast<double>(length_ - 3);
            moveTo(dragFrom_.x + (dragTo_.x - dragFrom_.x) * t, dragFrom_.y);
        } else {
            sendButton(GLFW_MOUSE_BUTTON_LEFT, GLFW_RELEASE);
        }
    }

    // Presses and releases of any button, away from the panel.
    void clickStep() {
        moveTo(random_.between(layout_.max.x + 20, 1270), random_.between(layout_.max.y + 20, 710));
        const int button = random_.below(GLFW_MOUSE_BUTTON_LAST + 1);
        sendButton(button, GLFW_PRESS);
        if (random_.below(2) == 0) {
            sendButton(button, GLFW_RELEASE);
        }
        if (step_ == length_ - 1) {
            letGo();
        }
    }

    // Presses, repeats and releases of any key, with characters, then every
    // modifier let go.
    void keyStep() {
        const int count = 1 + random_.below(3);
        for (int i = 0; i < count; ++i) {
            int key = 0;
            switch (random_.below(4)) {
            case 0:
                key = GLFW_KEY_A + random_.below(26);
                break;
            case 1:
                key = GLFW_KEY_ESCAPE + random_.below(70); // editing keys, function keys
                break;
            case 2:
                key = kModifiers[random_.below(4)];
                break;
            default:
                key = random_.below(2) == 0 ? GLFW_KEY_UNKNOWN : GLFW_KEY_LAST + random_.below(100);
                break;
            }
            const int actions[] = {GLFW_PRESS, GLFW_REPEAT, GLFW_RELEASE, 7};
            sendKey(key, actions[random_.below(4)]);
            callbacks_.character(window_,
                                 random_.below(4) == 0 ? random_.next() : 32u + random_.below(95));
        }
        if (step_ == length_ - 1) {
            for (int key : kModifiers) {
                sendKey(key, GLFW_RELEASE);
            }
        }
    }

    void wheelStep() {
        if (random_.below(2) == 0) {
            moveTo(random_.between(layout_.min.x, layout_.max.x),
                   random_.between(layout_.min.y, layout_.max.y));
        } else {
            moveTo(random_.between(0, 1279), random_.between(0, 719));
        }
        callbacks_.scroll(window_, random_.between(-3, 3), random_.between(-3, 3));
    }

    void moveTo(double x, double y) {
        g_pointer.x = x;
        g_pointer.y = y;
        if (callbacks_.cursorPos != nullptr) {
            callbacks_.cursorPos(window_, x, y);
        }
    }

    void sendKey(int key, int action) {
        callbacks_.key(window_, key, 0, action, 0);
        std::fprintf(expected_, "key:%d action:%d\n", key, echoedAction(action));
        ++events_;
    }

    void sendButton(int button, int action) {
        g_pointer.down[button] = action == GLFW_PRESS;
        callbacks_.button(window_, button, action, 0);
        std::fprintf(expected_, "button:%d action:%d x:%d y:%d\n", echoedButton(button),
                     echoedAction(action), static_cast<int>(g_pointer.x),
                     static_cast<int>(g_pointer.y));
        if (button == GLFW_MOUSE_BUTTON_LEFT && action == GLFW_PRESS) {
            direction_ = -direction_;
            ++leftPresses_;
        }
        ++events_;
    }

    GLFWwindow* window_;
    Callbacks callbacks_;
    PanelLayout layout_;
    FILE* expected_;
    Random random_;
    Gesture gesture_ = Gesture::Rest;
    int step_ = 0;
    int length_ = 0;
    ImVec2 dragFrom_;
    ImVec2 dragTo_;
    int direction_ = 1;
    long events_ = 0;
    long leftPresses_ = 0;
};

// Standard output goes to the file while this exists, or until restored.
class StdoutTo {
  public:
    explicit StdoutTo(FILE* file) : saved_(dup(STDOUT_FILENO)) {
        std::fflush(stdout);
        dup2(fileno(file), STDOUT_FILENO);
    }
    ~StdoutTo() { restore(); }
    StdoutTo(const StdoutTo&) = delete;
    StdoutTo& operator=(const StdoutTo&) = delete;
    void restore() {
        if (saved_ >= 0) {
            std::fflush(stdout);
            dup2(saved_, STDOUT_FILENO);
            close(saved_);
            saved_ = -1;
        }
    }

  private:
    int saved_;
};

struct Checkpoint {
    long resident = 0;
    GpuObjectCounts gpu;
};

// What the run saw, frame by frame, kept in counters only.
struct Observations {
    long frames = 0;
    long framesTurned = 0;
    long wrongSteps = 0;
    long wrongDirections = 0;
    long speedChanges = 0;
    long colourChanges = 0;
    float lowestSpeed = 2.0f;
    float highestSpeed = 0.0f;
};

class Soak : public ::testing::Test {
  protected:
    // Runs the program on the back end for `frames` frames, taking the
    // memory and object checkpoint after `warmUp` of them.
    void run(int backend, long frames, long warmUp) {
        const auto started = std::chrono::steady_clock::now();

        // Standard output, where the program echoes events and prints device
        // errors, goes to a file; so do the lines it should hold.
        std::fflush(stdout);
        FILE* captured = std::tmpfile();
        FILE* expected = std::tmpfile();
        ASSERT_NE(captured, nullptr);
        ASSERT_NE(expected, nullptr);
        StdoutTo redirect(captured);

        Window window;
        void* native = window.create();
        ASSERT_NE(native, nullptr);
        GLFWwindow* glfwWindow = window.getGlfwWindow();
        WGPUDevice device = window.createDevice(native, backend);
        ASSERT_NE(device, nullptr);
        WGPUSurface surface = window.createSwapChain(device);
        WGPUQueue queue = wgpuDeviceGetQueue(device);
        window.setMouseButtonCallback(forwardMouseButton);
        window.setKeyCallback(forwardKey);
        window.setResizeCallback(forwardResize);

        auto scene = std::make_unique<Scene>();
        g_scene = scene.get();
        scene->setDevice(device);
        scene->setQueue(queue);
        wgpuSurfaceAddRef(surface);
        scene->setSwapChain(surface);
        scene->initUI(glfwWindow);
        scene->createPipelineAndBuffers();
        window.show();

        // Something to paste into a field the user types into. With nothing on
        // the clipboard GLFW would report an error for each paste, which the
        // program prints.
        glfwSetClipboardString(glfwWindow, "1.25");

        // A few frames lay the panel out.
        g_pointer = ScriptedPointer{};
        g_pointer.active = true;
        g_pointer.x = 1200;
        g_pointer.y = 700;
        for (int i = 0; i < 3; ++i) {
            glfwPollEvents();
            scene->render(0.0);
        }
        const PanelLayout layout = PanelLayout::read();
        ASSERT_TRUE(layout.valid()) << "the panel was not laid out";

        ScriptedUser user(glfwWindow, Callbacks::installedOn(glfwWindow), layout, expected);
        state_ = State{};
        state_.window = &window;
        state_.scene = scene.get();
        state_.user = &user;
        state_.frames = frames;
        state_.warmUp = warmUp;
        window.run([](double) { current().frame(); });
        user.letGo();
        scene->render(0.0);
        wgpuDeviceTick(device);
        const Observations seen = state_.seen;
        const Checkpoint warm = state_.warm;
        const Checkpoint end = state_.end;
        const int direction = scene->getDirection();

        // Everything let go as a careful owner would: the UI bindings, the
        // window's surface, then the scene with its device.
        ImGui_ImplWGPU_Shutdown();
        ImGui_ImplGlfw_Shutdown();
        ImGui::DestroyContext();
        releaseSwapChainForTesting();
        scene.reset();
        g_scene = nullptr;
        window.destroy();
        glfwTerminate();
        g_pointer = ScriptedPointer{};
        const GpuObjectCounts afterwards = gpuObjectCounts();

        redirect.restore();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

        std::printf("%ld frames in %.1f s, %ld events, %ld left presses; resident memory "
                    "%.1f MiB after %ld frames, %.1f MiB at the end\n",
                    seen.frames, seconds, user.events(), user.leftPresses(),
                    static_cast<double>(warm.resident) / 1048576.0, warmUp,
                    static_cast<double>(end.resident) / 1048576.0);
        std::printf("GPU references held while running: %s\n", end.gpu.describeLive().c_str());
        std::printf("speed between %.3f and %.3f, changed %ld times; colours changed %ld "
                    "times; the triangle turned in %ld frames\n",
                    static_cast<double>(seen.lowestSpeed), static_cast<double>(seen.highestSpeed),
                    seen.speedChanges, seen.colourChanges, seen.framesTurned);

        EXPECT_EQ(seen.frames, frames);
        // Every frame was recorded and submitted, the first few included.
        EXPECT_GE(end.gpu.created[static_cast<int>(GpuKind::CommandBuffer)], frames);
        EXPECT_GE(end.gpu.created[static_cast<int>(GpuKind::RenderPass)], frames);
        expectSameLines(captured, expected, user.events());

        EXPECT_EQ(seen.wrongSteps, 0) << "frames whose angle did not advance by the step";
        EXPECT_EQ(seen.wrongDirections, 0) << "frames turning the wrong way";
        EXPECT_EQ(direction, user.expectedDirection());
        EXPECT_GT(seen.framesTurned, frames / 2);
        EXPECT_GE(seen.speedChanges, 20) << "the slider did not move the speed";
        EXPECT_GE(seen.colourChanges, 20) << "the colour edits did not change the colours";
        EXPECT_LT(seen.lowestSpeed, 0.5f);
        EXPECT_GT(seen.highestSpeed, 1.5f);

        // Once warm, every frame gives back what it took.
        EXPECT_EQ(end.gpu.live, warm.gpu.live) << "held after warm-up: " << warm.gpu.describeLive()
                                               << "; at the end: " << end.gpu.describeLive();
        EXPECT_EQ(afterwards.totalLive(), 0) << "still held: " << afterwards.describeLive();
        expectFlat(warm.resident, end.resident);

        std::fclose(captured);
        std::fclose(expected);
    }

  private:
    struct State {
        Window* window = nullptr;
        Scene* scene = nullptr;
        ScriptedUser* user = nullptr;
        long frames = 0;
        long warmUp = 0;
        Observations seen;
        Checkpoint warm;
        Checkpoint end;
        float lastSpeed = 0.0f;
        ImVec4 lastColours[4];

        void frame() {
            user->act();
            const float before = scene->getRotationDegrees();
            scene->render(0.0);
            ++seen.frames;
            // The frame used the speed the panel left and the direction the
            // events left.
            const float speed = scene->getRotationSpeed();
            const int direction = scene->getDirection();
            const float after = scene->getRotationDegrees();
            if (after != Scene::advanceRotation(before, speed, direction)) {
                ++seen.wrongSteps;
            }
            if (direction != user->expectedDirection()) {
                ++seen.wrongDirections;
            }
            if (after != before) {
                ++seen.framesTurned;
            }
            if (speed != lastSpeed) {
                ++seen.speedChanges;
                lastSpeed = speed;
            }
            seen.lowestSpeed = std::min(seen.lowestSpeed, speed);
            seen.highestSpeed = std::max(seen.highestSpeed, speed);
            const ImVec4 colours[4] = {scene->getClearColor(), scene->getVertex1Color(),
                                       scene->getVertex2Color(), scene->getVertex3Color()};
            for (int i = 0; i < 4; ++i) {
                if (colours[i].x != lastColours[i].x || colours[i].y != lastColours[i].y ||
                    colours[i].z != lastColours[i].z) {
                    ++seen.colourChanges;
                    lastColours[i] = colours[i];
                }
            }
            if (seen.frames == warmUp) {
                warm = Checkpoint{residentBytes(), gpuObjectCounts()};
            }
            if (seen.frames == frames) {
                end = Checkpoint{residentBytes(), gpuObjectCounts()};
                glfwSetWindowShouldClose(window->getGlfwWindow(), GLFW_TRUE);
            }
        }
    };

    static State& current() { return state_; }

    // The program's standard output holds exactly the echo of every event,
    // in order: no event lost or doubled, no device error.
    static void expectSameLines(FILE* captured, FILE* expected, long events) {
        std::rewind(captured);
        std::rewind(expected);
        char shown[512];
        char wanted[512];
        long line = 0;
        for (;;) {
            const bool haveShown = std::fgets(shown, sizeof(shown), captured) != nullptr;
            const bool haveWanted = std::fgets(wanted, sizeof(wanted), expected) != nullptr;
            if (!haveShown && !haveWanted) {
                break;
            }
            ++line;
            if (!haveShown || !haveWanted || std::string(shown) != std::string(wanted)) {
                ADD_FAILURE() << "line " << line << " of the output is '"
                              << (haveShown ? shown : "(end)") << "', expected '"
                              << (haveWanted ? wanted : "(end)") << "'";
                return;
            }
        }
        EXPECT_EQ(line, events);
    }

    // Resident memory after the warm-up and at the end may differ by what the
    // allocators keep in reserve, not by anything that grows with the frames.
    static void expectFlat(long warm, long end) {
#if defined(__SANITIZE_ADDRESS__)
        // The address checker holds freed memory back in quarantine, so its
        // resident memory grows by design; it checks for leaks itself.
        (void)warm;
        (void)end;
#else
        constexpr long kAllowance = 2L << 20;
        EXPECT_LE(end - warm, kAllowance) << "resident memory grew by " << (end - warm) << " bytes";
#endif
    }

    static State state_;
};

Soak::State Soak::state_;

} // namespace

TEST_F(Soak, HundredThousandFramesOnTheNullBackend) {
    run(kBackendNull, 100000, 10000);
}

TEST_F(Soak, FiveThousandFramesOnVulkan) {
    run(kBackendAny, 5000, 1000);
}
