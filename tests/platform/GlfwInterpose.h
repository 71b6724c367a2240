#pragma once

// The platform code's calls of these two GLFW functions land in the test
// executable first, which counts them and can replace what GLFW would report.
struct GlfwInterpose {
    int framebufferSizeQueries = 0;
    int cursorQueries = 0;
    bool fakeFramebufferSize = false;
    int fakeWidth = 0;
    int fakeHeight = 0;
    bool fakeCursor = false;
    double fakeX = 0.0;
    double fakeY = 0.0;
};

extern GlfwInterpose g_interpose;
