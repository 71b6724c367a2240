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
// Both streams go to one pipe: GLFW's line, which has no break, reaches it when
// GLFW reports it, before the line on standard error.
TEST(GlfwErrors, NoDisplayPrintsTheReasonAndExitsZero) {
    ChildProcess program({"/bin/sh", "-c", "exec \"$0\" 2>&1", TALLOWICK_BINARY},
                         {{{"WAYLAND_DISPLAY", "wayland-0"}}, {"DISPLAY"}});
    EXPECT_EQ(program.wait(20000), 0);
    const std::string& output = program.output();
    EXPECT_EQ(output.rfind("GLFW [", 0), 0u) << output;
    const size_t reason = output.find("]: X11: ");
    const size_t explanation = output.find("Tallowick cannot run: it needs an X server");
    EXPECT_NE(reason, std::string::npos) << output;
    EXPECT_NE(explanation, std::string::npos) << output;
    EXPECT_LT(reason, explanation) << output;
    EXPECT_GT(output.find('\n'), explanation) << output;
    ChildProcess emptyDisplay({TALLOWICK_BINARY}, {{{"DISPLAY", ""}}, {}}, {{}, true});
    EXPECT_EQ(emptyDisplay.wait(20000), 0);
    EXPECT_NE(emptyDisplay.errorOutput().find("X server, and DISPLAY is empty ("),
              std::string::npos)
        << emptyDisplay.errorOutput();
}
