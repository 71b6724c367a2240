#include "Process.h"
#include "X11Driver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(ProgramLifetime, OpensItsWindowAndExitsZeroWhenClosed) {
    ChildProcess program({TALLOWICK_BINARY}, {});
    X11Driver x11;
    const unsigned long window = x11.findWindow("Tallowick", 20000);
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

TEST(ProgramLifetime, EndsWithStatusZeroWhenAnotherClientDestroysItsWindow) {
    ChildProcess program({TALLOWICK_BINARY}, {});
    X11Driver x11;
    const unsigned long window = x11.findWindow("Tallowick", 20000);
    ASSERT_NE(window, 0u);
    // Let it show some frames first.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    x11.destroyWindow(window);
    EXPECT_EQ(program.wait(20000), 0);
    EXPECT_EQ(program.output(), "");
}
