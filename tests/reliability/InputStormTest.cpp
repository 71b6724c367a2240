// Thousands of key and mouse events sent at full speed through XTest to the
// running program: every key and button event is echoed exactly once, in
// order, with its values, nothing else is printed, and the triangle turns the
// way the number of left presses says.
//
// One pause: the server holds each press of a key pressed before back for a
// millisecond. GLFW takes a press with the same server time (milliseconds) as
// the key's previous press for a duplicate made by the input method, and
// drops it, then its release; no keyboard presses a key twice within a
// millisecond.

#include "Process.h"
#include "X11Driver.h"

#include <GLFW/glfw3.h>
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Rgb = X11Driver::Rgb;

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Where the speed slider sits at start-up, in window coordinates.
constexpr int kSliderX = 100;
constexpr int kSliderY = 96;
// The panel's area at start-up, with a margin; the storm stays out of it.
constexpr int kPanelRight = 430;
constexpr int kPanelBottom = 250;

bool insidePanel(int x, int y) {
    return x < kPanelRight && y < kPanelBottom;
}

// The angle in degrees, counter-clockwise from straight up, of the triangle's
// blue apex as the screen shows it; NaN when it is not in view.
double apexAngle(const X11Driver::Screenshot& shot, int originX, int originY) {
    double sumX = 0.0;
    double sumY = 0.0;
    long count = 0;
    for (int y = 0; y < 720; ++y) {
        for (int x = 0; x < 1280; ++x) {
            const Rgb& rgb = shot.at(originX + x, originY + y);
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
    const double clipX = (sumX / static_cast<double>(count) - 640.0) / 640.0;
    const double clipY = (360.0 - sumY / static_cast<double>(count)) / 360.0;
    return std::atan2(-clipX, clipY) * 180.0 / M_PI;
}

double wrapped(double degrees) {
    while (degrees > 180.0) {
        degrees -= 360.0;
    }
    while (degrees <= -180.0) {
        degrees += 360.0;
    }
    return degrees;
}

struct KeyName {
    unsigned long keysym;
    int glfwKey;
};

// Keys with a GLFW key code of their own on the server's US layout.
std::vector<KeyName> stormKeys() {
    std::vector<KeyName> keys;
    for (int i = 0; i < 26; ++i) {
        keys.push_back({XK_a + static_cast<unsigned long>(i), GLFW_KEY_A + i});
    }
    for (int i = 0; i < 10; ++i) {
        keys.push_back({XK_0 + static_cast<unsigned long>(i), GLFW_KEY_0 + i});
    }
    for (int i = 0; i < 12; ++i) {
        keys.push_back({XK_F1 + static_cast<unsigned long>(i), GLFW_KEY_F1 + i});
    }
    const KeyName others[] = {
        {XK_space, GLFW_KEY_SPACE},
        {XK_Tab, GLFW_KEY_TAB},
        {XK_BackSpace, GLFW_KEY_BACKSPACE},
        {XK_Escape, GLFW_KEY_ESCAPE},
        {XK_Left, GLFW_KEY_LEFT},
        {XK_Right, GLFW_KEY_RIGHT},
        {XK_Up, GLFW_KEY_UP},
        {XK_Down, GLFW_KEY_DOWN},
        {XK_Home, GLFW_KEY_HOME},
        {XK_End, GLFW_KEY_END},
        {XK_Shift_L, GLFW_KEY_LEFT_SHIFT},
        {XK_Control_L, GLFW_KEY_LEFT_CONTROL},
        {XK_Alt_L, GLFW_KEY_LEFT_ALT},
        {XK_minus, GLFW_KEY_MINUS},
        {XK_period, GLFW_KEY_PERIOD},
        {XK_slash, GLFW_KEY_SLASH},
    };
    keys.insert(keys.end(), std::begin(others), std::end(others));
    return keys;
}

struct ButtonName {
    unsigned int xButton;
    int echoed; // -1 for GLFW's fourth and fifth buttons
};

constexpr ButtonName kButtons[] = {{1, 0}, {3, 1}, {2, 2}, {8, -1}, {9, -1}};

class Random {
  public:
    uint32_t next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<uint32_t>(state >> 32);
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<uint32_t>(bound)); }

  private:
    uint64_t state = 0x2545F4914F6CDD1Dull;
};

long lineCount(const std::string& text) {
    long lines = 0;
    for (char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    return lines;
}

class InputStorm : public ::testing::Test {
  protected:
    void SetUp() override {
        window = x11.findWindow("Tallowick", 20000, program.pid());
        ASSERT_NE(window, 0u);
        x11.windowPosition(window, originX, originY);
        // The first frame shows the clear colour in the window's corner.
        const Rgb clear{115, 140, 153};
        for (int attempt = 0; attempt < 1500; ++attempt) {
            const Rgb shown = x11.pixel(originX + 5, originY + 5);
            if (std::abs(shown.r - clear.r) <= 3 && std::abs(shown.g - clear.g) <= 3 &&
                std::abs(shown.b - clear.b) <= 3) {
                break;
            }
            pause(20);
        }
    }

    void moveTo(int x, int y) { x11.movePointer(originX + x, originY + y); }

    // The way the triangle turns now: +1 counter-clockwise, -1 clockwise, 0
    // when it cannot be told within the time allowed.
    int turningWay() {
        const double start = apexAngle(x11.screenshot(), originX, originY);
        if (std::isnan(start)) {
            return 0;
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < deadline) {
            pause(100);
            const double now = apexAngle(x11.screenshot(), originX, originY);
            const double change = wrapped(now - start);
            if (std::abs(change) > 3.0) {
                return change > 0 ? 1 : -1;
            }
        }
        return 0;
    }

    // Waits until the program has printed `lines` lines, or a while longer
    // than it should ever need, then gives it a moment to print any extra.
    void awaitLines(long lines) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while (lineCount(program.output()) < lines && std::chrono::steady_clock::now() < deadline) {
            program.pump(100);
        }
        program.pump(500);
    }

    ChildProcess program{{TALLOWICK_BINARY}, {}};
    X11Driver x11;
    unsigned long window = 0;
    int originX = 0;
    int originY = 0;
};

std::string buttonLine(int button, int action, int x, int y) {
    return "button:" + std::to_string(button) + " action:" + std::to_string(action) +
           " x:" + std::to_string(x) + " y:" + std::to_string(y) + "\n";
}

std::string keyLine(int key, int action) {
    return "key:" + std::to_string(key) + " action:" + std::to_string(action) + "\n";
}

} // namespace

TEST_F(InputStorm, EveryEventIsEchoedOnceInOrderAndEachLeftPressReversesOnce) {
    // A keyboard on a connection of its own, with no key repeated by the
    // server: the storm's own events are all there is to count.
    X11Driver keyboard;
    keyboard.setKeyRepeat(false);
    std::string expected;

    // Full speed on the slider, at a pace the UI follows: it reads the held
    // buttons once a frame. The press reverses the turning too.
    moveTo(kSliderX, kSliderY);
    x11.button(1, true);
    awaitLines(1); // the frame after the press's echo sees it on the slider
    for (int x = kSliderX; x <= kSliderX + 500; x += 50) {
        moveTo(x, kSliderY);
        pause(40);
    }
    x11.button(1, false);
    expected += buttonLine(0, 1, kSliderX, kSliderY);
    expected += buttonLine(0, 0, kSliderX + 500, kSliderY);
    awaitLines(2);
    ASSERT_EQ(program.output(), expected);
    ASSERT_EQ(turningWay(), -1) << "after one left press the triangle turns clockwise";

    // The storm: key presses and releases (up to three keys held at once),
    // presses and releases of every mouse button at places all over the
    // window but the panel, wheel clicks, with no pause anywhere.
    const std::vector<KeyName> keys = stormKeys();
    Random random;
    std::vector<const KeyName*> held;
    std::map<const KeyName*, bool> pressedBefore;
    long keyEvents = 0;
    long buttonEvents = 0;
    long leftPresses = 0;
    int x = 700;
    int y = 400;
    while (keyEvents + buttonEvents < 5000) {
        const int pick = random.below(10);
        if (pick < 6) {
            if (!held.empty() && (held.size() == 3 || random.below(2) == 0)) {
                const size_t which =
                    static_cast<size_t>(random.below(static_cast<int>(held.size())));
                const KeyName* key = held[which];
                held.erase(held.begin() + static_cast<long>(which));
                keyboard.key(key->keysym, false, 0);
                expected += keyLine(key->glfwKey, 0);
            } else {
                const KeyName* key =
                    &keys[static_cast<size_t>(random.below(static_cast<int>(keys.size())))];
                bool alreadyHeld = false;
                for (const KeyName* other : held) {
                    alreadyHeld = alreadyHeld || other == key;
                }
                if (alreadyHeld) {
                    continue;
                }
                held.push_back(key);
                keyboard.key(key->keysym, true, pressedBefore[key] ? 1 : 0);
                pressedBefore[key] = true;
                expected += keyLine(key->glfwKey, 1);
            }
            ++keyEvents;
        } else if (pick < 9) {
            const ButtonName& button = kButtons[random.below(5)];
            x = kPanelRight + random.below(1280 - kPanelRight);
            y = kPanelBottom + random.below(720 - kPanelBottom);
            moveTo(x, y);
            x11.button(button.xButton, true);
            expected += buttonLine(button.echoed, 1, x, y);
            if (random.below(3) == 0) {
                // Released somewhere else.
                x = kPanelRight + random.below(1280 - kPanelRight);
                y = kPanelBottom + random.below(720 - kPanelBottom);
                moveTo(x, y);
            }
            x11.button(button.xButton, false);
            expected += buttonLine(button.echoed, 0, x, y);
            buttonEvents += 2;
            leftPresses += button.xButton == 1 ? 1 : 0;
        } else {
            // The wheel: buttons 4 to 7 under X, scrolling and no echo.
            x11.click(4 + static_cast<unsigned int>(random.below(4)));
        }
    }
    for (const KeyName* key : held) {
        keyboard.key(key->keysym, false, 0);
        expected += keyLine(key->glfwKey, 0);
        ++keyEvents;
    }
    if (leftPresses % 2 == 0) {
        // An odd count, so that the turning must end up reversed.
        moveTo(900, 600);
        x11.click(1);
        expected += buttonLine(0, 1, 900, 600) + buttonLine(0, 0, 900, 600);
        buttonEvents += 2;
        ++leftPresses;
    }

    const long lines = lineCount(expected);
    awaitLines(lines);
    const std::string shown = program.output();
    std::printf("%ld key and %ld button events, %ld of them left presses; %ld lines echoed\n",
                keyEvents, buttonEvents, leftPresses, lineCount(shown));
    if (shown != expected) {
        std::istringstream shownLines(shown);
        std::istringstream expectedLines(expected);
        std::string a;
        std::string b;
        for (long line = 1;; ++line) {
            const bool haveShown = static_cast<bool>(std::getline(shownLines, a));
            const bool haveExpected = static_cast<bool>(std::getline(expectedLines, b));
            if (!haveShown && !haveExpected) {
                break;
            }
            if (!haveShown || !haveExpected || a != b) {
                ADD_FAILURE() << "line " << line << ": echoed '" << (haveShown ? a : "(nothing)")
                              << "', expected '" << (haveExpected ? b : "(nothing)") << "'";
                break;
            }
        }
    }
    EXPECT_EQ(lineCount(shown), lines);

    // One reversal for the slider's press and one for each of an odd number
    // of presses in the storm: counter-clockwise again.
    EXPECT_EQ(turningWay(), 1);

    x11.requestClose(window);
    EXPECT_EQ(program.wait(20000), 0);
}
