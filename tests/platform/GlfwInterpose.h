#pragma once

// The platform code's calls of these two GLFW functions land in the test
// executable first, which counts them and can replace what GLFW would report.
// So do GLFW's calls of XDestroyWindow.
struct GlfwInterpose {
    int framebufferSizeQueries = 0;
    int cursorQueries = 0;
    bool fakeFramebufferSize = false;
    int fakeWidth = 0;
    int fakeHeight = 0;
    bool fakeCursor = false;
    double fakeX = 0.0;
    double fakeY = 0.0;
    // Xlib may read the server's answers while GLFW destroys a window (an
    // input method's round trip, for one); this makes it do so every time.
    bool syncWhileDestroyingWindows = false;
};

extern GlfwInterpose g_interpose;
