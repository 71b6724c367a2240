#include "Window.h"

#include "Process.h"

#include <gtest/gtest.h>

TEST(GlfwErrors, PrintOnOneLineWithoutBreaks) {
    ::testing::internal::CaptureStdout();
    onGlfwError(65544, "first");
    onGlfwError(65545, "second");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "GLFW [65544]: firstGLFW [65545]: second");
}

// In a Wayland session too: the program asks GLFW for X11 where GLFW could choose.
TEST(GlfwErrors, NoDisplayPrintsTheReasonAndExitsZero) {
    ChildProcess program({TALLOWICK_BINARY}, {{{"WAYLAND_DISPLAY", "wayland-0"}}, {"DISPLAY"}},
                         {{}, true});
    EXPECT_EQ(program.wait(20000), 0);
    EXPECT_EQ(program.output().rfind("GLFW [", 0), 0u) << program.output();
    EXPECT_NE(program.output().find("]: X11: "), std::string::npos) << program.output();
    EXPECT_EQ(program.output().find('\n'), std::string::npos) << program.output();
    EXPECT_EQ(program.errorOutput().rfind("Tallowick cannot run: it needs an X server", 0), 0u)
        << program.errorOutput();
    ChildProcess emptyDisplay({TALLOWICK_BINARY}, {{{"DISPLAY", ""}}, {}}, {{}, true});
    EXPECT_EQ(emptyDisplay.wait(20000), 0);
    EXPECT_NE(emptyDisplay.errorOutput().find("X server, and DISPLAY is empty ("),
              std::string::npos)
        << emptyDisplay.errorOutput();
}
