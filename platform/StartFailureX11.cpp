#include "GlfwStart.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
bool xServerAnswers() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

std::string whyNoXServer() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr) {
        return "DISPLAY is not set";
    }
    if (*display == '\0') {
        return "DISPLAY is empty";
    }
    return std::string("none answered on DISPLAY=") + display;
}
} // namespace

void explainStartFailure() {
    if (xServerAnswers()) {
        return;
    }
    std::fprintf(stderr,
                 "Tallowick cannot run: it needs an X server, and %s (in a Wayland session, "
                 "XWayland provides one)\n",
                 whyNoXServer().c_str());
}
