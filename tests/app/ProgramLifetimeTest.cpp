#include "Process.h"
#include "X11Driver.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace {
// Waits for the window's first frame: the clear colour in its corner.
bool firstFrameShown(X11Driver& x11) {
    for (int attempt = 0; attempt < 1500; ++attempt) {
        const X11Driver::Rgb corner = x11.pixel(5, 5);
        if (std::abs(corner.r - 115) <= 3 && std::abs(corner.g - 140) <= 3 &&
            std::abs(corner.b - 153) <= 3) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}
} // namespace

TEST(ProgramLifetime, OpensItsWindowAndExitsZeroWhenClosed) {
    ChildProcess program({programUnderTest(TALLOWICK_BINARY)}, {});
    X11Driver x11;
    const unsigned long window = x11.findWindow("Tallowick", 20000, program.pid());
    ASSERT_NE(window, 0u);
    int width = 0;
    int height = 0;
    x11.windowSize(window, width, height);
    EXPECT_EQ(width, 1280);
    EXPECT_EQ(height, 720);
    x11.requestClose(window);
    EXPECT_EQ(program.wait(20000), 0);
    EXPECT_EQ(program.output(), "");
}

// Mesa's presentation path loses a few bytes in some runs when the window is
// destroyed under it (a reply of the X server's and records of the Vulkan
// loader's and lavapipe's), which the sanitizer build's leak check would turn
// into exit status 1. That check is off for this run alone.
TEST(ProgramLifetime, EndsWithStatusZeroWhenAnotherClientDestroysItsWindow) {
    const char* sanitizerOptions = std::getenv("ASAN_OPTIONS");
    std::string options = sanitizerOptions != nullptr ? sanitizerOptions : "";
    options += (options.empty() ? "" : ":") + std::string("detect_leaks=0");
    ChildProcess program({programUnderTest(TALLOWICK_BINARY)}, {{{"ASAN_OPTIONS", options}}, {}});
    X11Driver x11;
    const unsigned long window = x11.findWindow("Tallowick", 20000, program.pid());
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(firstFrameShown(x11));
    x11.destroyWindow(window);
    EXPECT_EQ(program.wait(20000), 0);
    EXPECT_EQ(program.output(), "");

    // Destroyed as soon as it exists: while the program brings up the device,
    // before its first frame.
    ChildProcess early({programUnderTest(TALLOWICK_BINARY)}, {{{"ASAN_OPTIONS", options}}, {}},
                       {{}, true});
    const unsigned long earlyWindow = x11.findWindow("Tallowick", 20000, early.pid());
    ASSERT_NE(earlyWindow, 0u);
    x11.destroyWindow(earlyWindow);
    EXPECT_EQ(early.wait(20000), 0) << early.errorOutput();
    EXPECT_EQ(early.output(), "");
}

namespace {
// A click and a key, each echoed, on the window at the screen's origin.
void clickAndType(X11Driver& x11) {
    x11.movePointer(900, 300);
    x11.click(3);
    x11.tap(XK_a);
    x11.sync();
}

// The click's echo. The key's is not waited for: on a busy machine the new
// window may not have the keyboard's focus yet when the key is typed.
const char* const kEcho = "button:1 action:1 x:900 y:300\nbutton:1 action:0 x:900 y:300\n";

struct ClosedStream : ::testing::TestWithParam<int> {};
} // namespace

// Started with a standard stream closed, the program keeps that number off
// its other files: the echo never reaches the X connection, and the events,
// handled before the close request that follows them, end nothing.
TEST_P(ClosedStream, NeitherEndsTheProgramNorLosesAnEcho) {
    const int closed = GetParam();
    ChildProcess::Options options;
    if (closed == STDERR_FILENO) {
        // Something must write there: the Vulkan loader, asked to, reports
        // on standard error while the device is made.
        options.setEnv = {{"VK_LOADER_DEBUG", "all"}};
    }
    ChildProcess program({programUnderTest(TALLOWICK_BINARY)}, options, {{closed}, false});
    X11Driver x11;
    const unsigned long window = x11.findWindow("Tallowick", 20000, program.pid());
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(firstFrameShown(x11));
    clickAndType(x11);
    if (closed != STDOUT_FILENO) {
        EXPECT_TRUE(program.waitForOutput(kEcho, 20000)) << program.output();
    }
    x11.requestClose(window);
    EXPECT_EQ(program.wait(20000), 0);
}

INSTANTIATE_TEST_SUITE_P(StandardStreams, ClosedStream,
                         ::testing::Values(STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO));

// When the reader of standard output goes away, each later echo fails and is
// dropped; the window runs on and a close still ends the program with 0.
TEST(ProgramOutput, AReaderThatGoesAwayEndsNothing) {
    ChildProcess program({programUnderTest(TALLOWICK_BINARY)}, {});
    X11Driver x11;
    const unsigned long window = x11.findWindow("Tallowick", 20000, program.pid());
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(firstFrameShown(x11));
    clickAndType(x11);
    ASSERT_TRUE(program.waitForOutput(kEcho, 20000)) << program.output();

    program.closeOutput();
    for (int round = 0; round < 3; ++round) {
        clickAndType(x11);
    }
    x11.requestClose(window);
    EXPECT_EQ(program.wait(20000), 0);
}
