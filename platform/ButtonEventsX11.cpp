#include "ButtonEvents.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3native.h>

// Last: it defines macros such as Bool and None.
#include <X11/Xlibint.h>

#include <cstddef>

namespace {
// Xlib turns each event into an XEvent when it reads it from the server, in
// the order GLFW handles them later; GLFW reports every button event of its
// window except the wheel's (X buttons 4 to 7) and those past its last
// button. So the positions noted here are taken in the same order.
struct ButtonEvent {
    int button;
    int action;
    int x;
    int y;
};

constexpr size_t kKept = 4096;
ButtonEvent g_events[kKept];
size_t g_first = 0;
size_t g_count = 0;
// Events that arrived while all places were taken, and any after them until
// GLFW has reported them all: they go without a position from here.
size_t g_unnoted = 0;
::Window g_window = 0;

using WireToEvent = Bool (*)(Display*, XEvent*, xEvent*);
WireToEvent g_previousPress = nullptr;
WireToEvent g_previousRelease = nullptr;

int glfwButtonOf(unsigned int xButton) {
    switch (xButton) {
    case Button1:
        return GLFW_MOUSE_BUTTON_LEFT;
    case Button2:
        return GLFW_MOUSE_BUTTON_MIDDLE;
    case Button3:
        return GLFW_MOUSE_BUTTON_RIGHT;
    default:
        // GLFW numbers the buttons after the wheel's from 3 on.
        return static_cast<int>(xButton) - 5;
    }
}

void note(const XButtonEvent& event, int action) {
    const bool wheel = event.button >= Button4 && event.button <= 7;
    const int button = glfwButtonOf(event.button);
    if (event.window != g_window || wheel || button > GLFW_MOUSE_BUTTON_LAST) {
        return;
    }
    if (g_count == kKept || g_unnoted > 0) {
        ++g_unnoted;
        return;
    }
    g_events[(g_first + g_count) % kKept] = {button, action, event.x, event.y};
    ++g_count;
}

Bool notePress(Display* display, XEvent* event, xEvent* wire) {
    const Bool converted = g_previousPress(display, event, wire);
    if (converted) {
        note(event->xbutton, GLFW_PRESS);
    }
    return converted;
}

Bool noteRelease(Display* display, XEvent* event, xEvent* wire) {
    const Bool converted = g_previousRelease(display, event, wire);
    if (converted) {
        note(event->xbutton, GLFW_RELEASE);
    }
    return converted;
}

// Installs a converter once per connection; a connection made after an
// earlier one closed has Xlib's own again.
void hook(Display* display, int type, WireToEvent own, WireToEvent& previous) {
    const WireToEvent replaced = XESetWireToEvent(display, type, own);
    if (replaced != own) {
        previous = replaced;
    }
}
} // namespace

void noteButtonPositions(GLFWwindow* window) {
    Display* display = glfwGetX11Display();
    g_window = glfwGetX11Window(window);
    g_first = 0;
    g_count = 0;
    g_unnoted = 0;
    if (display == nullptr) {
        return;
    }
    hook(display, ButtonPress, notePress, g_previousPress);
    hook(display, ButtonRelease, noteRelease, g_previousRelease);
}

bool takeButtonPosition(int button, int action, double& x, double& y) {
    if (g_count == 0) {
        g_unnoted -= g_unnoted > 0 ? 1 : 0;
        return false;
    }
    const ButtonEvent event = g_events[g_first];
    g_first = (g_first + 1) % kKept;
    --g_count;
    if (event.button != button || event.action != action) {
        // Not the event GLFW reports: what is noted no longer lines up.
        g_count = 0;
        g_unnoted = 0;
        return false;
    }
    x = event.x;
    y = event.y;
    return true;
}
