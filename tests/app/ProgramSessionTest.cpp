#include "Process.h"
#include "X11Driver.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {
using Rgb = X11Driver::Rgb;

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool near(const Rgb& shown, const Rgb& expected, int tolerance = 3) {
    return std::abs(shown.r - expected.r) <= tolerance &&
           std::abs(shown.g - expected.g) <= tolerance &&
           std::abs(shown.b - expected.b) <= tolerance;
}

std::string describe(const Rgb& rgb) {
    return "(" + std::to_string(rgb.r) + "," + std::to_string(rgb.g) + "," + std::to_string(rgb.b) +
           ")";
}

const Rgb kClear{115, 140, 153};
const Rgb kTitleBar{41, 74, 122};
const Rgb kPanelBody{21, 22, 23};
const Rgb kSelectedText{44, 85, 137};

// Where things sit on screen at start-up, in window coordinates (under Xvfb
// without a window manager the window sits at the screen's origin).
constexpr int kSliderX = 100;
constexpr int kSliderY = 96;
constexpr int kVertex3BlueX = 233;
constexpr int kVertex3BlueY = 188;
// Where a field's text, all selected when Ctrl+click opens it for typing,
// shows the selection's colour above the characters.
constexpr int kSliderTextX = 80;
constexpr int kVertex3BlueTextX = 214;
constexpr int kEmptyX = 900;
constexpr int kEmptyY = 300;

bool insidePanel(int x, int y) {
    return x < 420 && y < 240;
}

// The angle in degrees, counter-clockwise, by which the triangle's blue apex
// has turned from straight up, measured on the screen; NaN when it is not in
// view.
double apexAngle(const X11Driver::Screenshot& shot) {
    double sumX = 0.0;
    double sumY = 0.0;
    int count = 0;
    for (int y = 0; y < 720; ++y) {
        for (int x = 0; x < 1280; ++x) {
            const Rgb& rgb = shot.at(x, y);
            if (rgb.b > 200 && rgb.r < 40 && rgb.g < 40 && !insidePanel(x, y)) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    if (count == 0) {
        return std::nan("");
    }
    const double clipX = (sumX / count - 640.0) / 640.0;
    const double clipY = (360.0 - sumY / count) / 360.0;
    return std::atan2(-clipX, clipY) * 180.0 / M_PI;
}

class RunningProgram : public ::testing::Test {
  protected:
    RunningProgram() = default;
    explicit RunningProgram(const ChildProcess::Options& options)
        : program({programUnderTest(TALLOWICK_BINARY)}, options, {{}, true}) {}

    void SetUp() override {
        window = x11.findWindow("Tallowick", 20000, program.pid());
        ASSERT_NE(window, 0u);
        ASSERT_TRUE(shows(5, 5, kClear)) << "no frame presented";
        // The UI shows a new panel from its second frame on.
        ASSERT_TRUE(shows(300, 69, kTitleBar)) << "no panel shown";
    }

    // Closes the window as a window manager would and returns the exit status.
    int close() {
        x11.requestClose(window);
        return program.wait(20000);
    }

    // The apex angle's change over a while; positive turns counter-clockwise.
    double turning(int ms) {
        const double before = apexAngle(x11.screenshot());
        pause(ms);
        return apexAngle(x11.screenshot()) - before;
    }

    // Waits until the program has echoed this many events in all, or until a
    // bound a loaded machine stays well within.
    void awaitEchoes(long events) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (echoes() < events && std::chrono::steady_clock::now() < deadline) {
            program.pump(50);
        }
    }
    long echoes() { return std::count(program.output().begin(), program.output().end(), '\n'); }

    // The UI reads the keyboard's state once a frame, after the pass that
    // echoed the events: each change is held until it has been echoed.
    void press(unsigned long keysym) {
        x11.key(keysym, true);
        awaitEchoes(echoes() + 1);
        x11.key(keysym, false);
        awaitEchoes(echoes() + 1);
    }

    // Ctrl+click turns a slider or a colour field into a text field.
    // Ctrl is let go only once the field shows its text selected for typing:
    // a pass that handles the click may also handle a release sent after the
    // click's echo (under wine it does), and the UI would see a plain click.
    void typeInto(int x, int y, int selectedTextX, unsigned long keysym) {
        x11.movePointer(x, y);
        x11.key(XK_Control_L, true);
        awaitEchoes(echoes() + 1);
        x11.click(1);
        awaitEchoes(echoes() + 2);
        EXPECT_TRUE(shows(selectedTextX, y - 7, kSelectedText, 12))
            << "no text entry " << describe(x11.pixel(selectedTextX, y - 7));
        x11.key(XK_Control_L, false);
        awaitEchoes(echoes() + 1);
        press(keysym);
        press(XK_Return);
    }

    void clickAt(int x, int y, unsigned int button) {
        x11.movePointer(x, y);
        x11.click(button);
        awaitEchoes(echoes() + 2);
    }

    // Waits for what the screen shows at (x, y) to be near the colour.
    bool shows(int x, int y, const Rgb& colour, int tolerance = 3) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!near(x11.pixel(x, y), colour, tolerance) &&
               std::chrono::steady_clock::now() < deadline) {
            pause(20);
        }
        return near(x11.pixel(x, y), colour, tolerance);
    }

    ChildProcess program{{programUnderTest(TALLOWICK_BINARY)}, {}};
    X11Driver x11;
    unsigned long window = 0;
};

std::string line(const std::string& text) {
    return text + "\n";
}
std::string buttonLine(int button, int action, int x, int y) {
    return line("button:" + std::to_string(button) + " action:" + std::to_string(action) +
                " x:" + std::to_string(x) + " y:" + std::to_string(y));
}
std::string keyLine(int key, int action) {
    return line("key:" + std::to_string(key) + " action:" + std::to_string(action));
}
} // namespace

TEST_F(RunningProgram, StartsWithTheStillTriangleOverTheClearColourUnderThePanel) {
    const X11Driver::Screenshot shot = x11.screenshot();
    for (const auto& [x, y] : {std::pair{2, 2}, {1277, 2}, {2, 717}, {1277, 717}}) {
        EXPECT_TRUE(near(shot.at(x, y), kClear)) << x << "," << y << describe(shot.at(x, y));
    }
    EXPECT_TRUE(near(shot.at(150, 640), {248, 4, 3}, 12)) << describe(shot.at(150, 640));
    EXPECT_TRUE(near(shot.at(1130, 640), {4, 248, 3}, 12)) << describe(shot.at(1130, 640));
    EXPECT_TRUE(near(shot.at(640, 90), {4, 4, 247}, 12)) << describe(shot.at(640, 90));
    EXPECT_TRUE(near(shot.at(300, 69), kTitleBar)) << describe(shot.at(300, 69));
    EXPECT_TRUE(near(shot.at(63, 150), kPanelBody)) << describe(shot.at(63, 150));
    EXPECT_NEAR(apexAngle(shot), 0.0, 0.5);
    EXPECT_NEAR(turning(500), 0.0, 0.01) << "the speed starts at 0";

    EXPECT_EQ(close(), 0);
    EXPECT_EQ(program.output(), "") << "a clean run prints nothing";
}

TEST_F(RunningProgram, EchoesEveryEventAndALeftPressReversesTheTurning) {
    std::string expected;

    // Dragging the slider sets a speed; the press on the panel reverses the
    // turning like any left press, so it now turns clockwise.
    x11.movePointer(kSliderX, kSliderY);
    pause(60);
    x11.button(1, true);
    for (int x = kSliderX; x <= kSliderX + 40; x += 10) {
        x11.movePointer(x, kSliderY);
        pause(40);
    }
    x11.button(1, false);
    expected += buttonLine(0, 1, kSliderX, kSliderY) + buttonLine(0, 0, kSliderX + 40, kSliderY);
    ASSERT_TRUE(program.waitForOutput(expected, 20000)) << program.output();
    x11.movePointer(kEmptyX, kEmptyY);
    EXPECT_LT(turning(1000), -0.2);

    clickAt(kEmptyX, kEmptyY, 1);
    expected += buttonLine(0, 1, kEmptyX, kEmptyY) + buttonLine(0, 0, kEmptyX, kEmptyY);
    ASSERT_TRUE(program.waitForOutput(expected, 20000)) << program.output();
    EXPECT_GT(turning(1000), 0.2);

    clickAt(kEmptyX, kEmptyY, 3);
    clickAt(kEmptyX, kEmptyY, 2);
    x11.movePointer(kEmptyX + 100, kEmptyY + 100); // the horizontal wheel: not echoed
    x11.click(6);
    x11.click(7);
    clickAt(kEmptyX, kEmptyY, 8);
    expected += buttonLine(1, 1, kEmptyX, kEmptyY) + buttonLine(1, 0, kEmptyX, kEmptyY) +
                buttonLine(2, 1, kEmptyX, kEmptyY) + buttonLine(2, 0, kEmptyX, kEmptyY) +
                buttonLine(-1, 1, kEmptyX, kEmptyY) + buttonLine(-1, 0, kEmptyX, kEmptyY);
    ASSERT_TRUE(program.waitForOutput(expected, 20000)) << program.output();
    EXPECT_GT(turning(1000), 0.2) << "only a left press reverses";

    // A held key: one press, repeats, one release, all with its key code.
    x11.key(XK_a, true);
    ASSERT_TRUE(program.waitForOutput(keyLine(65, 2), 20000)) << program.output();
    x11.key(XK_a, false);
    ASSERT_TRUE(program.waitForOutput(keyLine(65, 0), 20000)) << program.output();
    std::string held = program.output().substr(expected.size());
    EXPECT_EQ(held.rfind(keyLine(65, 1), 0), 0u) << held;
    held = held.substr(keyLine(65, 1).size());
    int repeats = 0;
    while (held.rfind(keyLine(65, 2), 0) == 0) {
        held = held.substr(keyLine(65, 2).size());
        ++repeats;
    }
    EXPECT_GT(repeats, 0);
    EXPECT_EQ(held, keyLine(65, 0));
    expected = program.output();

    // Typing into the panel: every key still reaches the program.
    typeInto(kSliderX, kSliderY, kSliderTextX, XK_0);
    expected += keyLine(341, 1) + buttonLine(0, 1, kSliderX, kSliderY) +
                buttonLine(0, 0, kSliderX, kSliderY) + keyLine(341, 0) + keyLine(48, 1) +
                keyLine(48, 0) + keyLine(257, 1) + keyLine(257, 0);
    ASSERT_TRUE(program.waitForOutput(expected, 20000)) << program.output();
    x11.movePointer(kEmptyX, kEmptyY);
    EXPECT_NEAR(turning(500), 0.0, 0.01) << "the typed speed 0 stops the turning";

    EXPECT_EQ(close(), 0);
    EXPECT_EQ(program.output(), expected);
}

TEST_F(RunningProgram, AColourEditShowsOnTheTriangle) {
    typeInto(kVertex3BlueX, kVertex3BlueY, kVertex3BlueTextX, XK_0);
    x11.movePointer(kEmptyX, kEmptyY);
    EXPECT_TRUE(shows(640, 90, {4, 4, 4}, 12))
        << "the third vertex is black now " << describe(x11.pixel(640, 90));
    EXPECT_EQ(close(), 0);
}

TEST_F(RunningProgram, ResizingAndMinimisingChangeNothingAndPrintNothing) {
    for (const auto& [width, height] : {std::pair{800, 450}, {1600, 900}, {300, 700}}) {
        x11.resize(window, width, height);
        pause(300);
        ASSERT_TRUE(program.running());
    }
    x11.resize(window, 1280, 720);
    x11.iconify(window);
    pause(500);
    ASSERT_TRUE(program.running());
    x11.map(window);
    EXPECT_TRUE(shows(2, 2, kClear)) << describe(x11.pixel(2, 2));
    EXPECT_TRUE(shows(300, 69, kTitleBar)) << describe(x11.pixel(300, 69));
    EXPECT_EQ(close(), 0);
    EXPECT_EQ(program.output(), "");
}

namespace {
// The program with a WebGPU library that loses the device on SIGUSR1; the
// sanitizer runtime lets a library come before it.
ChildProcess::Options losingTheDevice(bool adapterAfterLoss) {
    const char* sanitizerOptions = std::getenv("ASAN_OPTIONS");
    std::string options = sanitizerOptions != nullptr ? sanitizerOptions : "";
    options += (options.empty() ? "" : ":") + std::string("verify_asan_link_order=0");
    ChildProcess::Options launch{{{"LD_PRELOAD", DEVICE_LOSS_SHIM}, {"ASAN_OPTIONS", options}}, {}};
    if (!adapterAfterLoss) {
        launch.setEnv.emplace_back("DEVICE_LOSS_SHIM_NO_ADAPTER", "1");
    }
    return launch;
}

class ProgramLosingItsDevice : public RunningProgram {
  protected:
    ProgramLosingItsDevice() : RunningProgram(losingTheDevice(true)) {}
};

const std::string kLossLine = "The GPU device was lost: the driver was reset\n";
} // namespace

// A driver reset: said in one line, and the program carries on with a new
// device, with what the user set, drawing and echoing as before.
TEST_F(ProgramLosingItsDevice, CarriesOnWithANewDeviceAndTheSameState) {
    // The press on the panel reverses the turning: clockwise at speed 1.
    typeInto(kSliderX, kSliderY, kSliderTextX, XK_1);
    x11.movePointer(kEmptyX, kEmptyY);
    ASSERT_LT(turning(1000), -0.2);
    std::string expected = program.output() + kLossLine;
    kill(program.pid(), SIGUSR1);
    ASSERT_TRUE(program.waitForOutput(kLossLine, 20000)) << program.output();
    EXPECT_LT(turning(1000), -0.2) << "drawn on, at the speed and in the direction set";
    EXPECT_TRUE(shows(300, 69, kTitleBar)) << "the panel is drawn again";
    clickAt(kEmptyX, kEmptyY, 1);
    expected += buttonLine(0, 1, kEmptyX, kEmptyY) + buttonLine(0, 0, kEmptyX, kEmptyY);
    EXPECT_GT(turning(1000), 0.2);
    EXPECT_EQ(close(), 0);
    EXPECT_EQ(program.output(), expected);
    EXPECT_EQ(program.errorOutput().find("Tallowick"), std::string::npos) << program.errorOutput();
}

// With no device to be had after the loss, the program ends saying why.
TEST(ProgramLosingItsDeviceForGood, EndsWithStatusOneSayingWhy) {
    ChildProcess program({programUnderTest(TALLOWICK_BINARY)}, losingTheDevice(false), {{}, true});
    ASSERT_NE(X11Driver().findWindow("Tallowick", 20000, program.pid()), 0u);
    kill(program.pid(), SIGUSR1);
    EXPECT_EQ(program.wait(20000), 1);
    EXPECT_EQ(program.output(), kLossLine);
    const std::string reason = "Tallowick cannot go on: the GPU device was lost, and no graphics "
                               "adapter of the Vulkan back end\n";
    const std::string& errors = program.errorOutput();
    EXPECT_EQ(errors.substr(errors.size() - std::min(errors.size(), reason.size())), reason);
}
