#include "Window.h"

#include "Process.h"

#include <gtest/gtest.h>

TEST(GlfwErrors, PrintOnOneLineWithoutBreaks) {
    ::testing::internal::CaptureStdout();
    onGlfwError(65544, "first");
    onGlfwError(65545, "second");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "GLFW [65544]: firstGLFW [65545]: second");
}

TEST(GlfwErrors, NoDisplayPrintsTheReasonAndExitsZero) {
    ChildProcess program({TALLOWICK_BINARY}, {{}, {"DISPLAY", "WAYLAND_DISPLAY"}});
    EXPECT_EQ(program.wait(20000), 0);
    EXPECT_EQ(program.output().rfind("GLFW [65544]: X11: ", 0), 0u) << program.output();
    EXPECT_EQ(program.output().find('\n'), std::string::npos) << program.output();
}
