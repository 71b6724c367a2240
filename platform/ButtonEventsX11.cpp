#include "ButtonEvents.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3native.h>

// Last: it defines macros such as Bool and None.
#include <X11/Xlibint.h>

namespace {
// Xlib numbers each event as it queues it on reading it from the server, and
// GLFW takes the events off that queue in order, reporting a button event
// while it handles it. So the event GLFW handles now is the last one numbered
// below the queue's head. A report that finds a noted event there of another
// button or action, or none, has no X event of its own behind it: a release
// GLFW makes up for each held button when the window loses the focus. An
// event noted but never reported is passed over once a later one is handled.
struct ButtonEvent {
    unsigned long serial;
    int button;
    int action;
    int x;
    int y;
};

ButtonEvent g_events[kButtonPositionsKept];
size_t g_first = 0;
size_t g_count = 0;
Display* g_display = nullptr;
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

bool isWheel(const XButtonEvent& event) {
    return event.button >= Button4 && event.button <= 7;
}

// X button 0 (which only another client can send) and those past GLFW's last
// button: GLFW 3.3 drops them, and GLFW 3.4 stops the program on them.
bool outsideGlfwButtons(const XButtonEvent& event) {
    const int button = glfwButtonOf(event.button);
    return !isWheel(event) && (button < 0 || button > GLFW_MOUSE_BUTTON_LAST);
}

// The number of the next event GLFW will take off Xlib's queue.
unsigned long nextToHandle(Display* display) {
    return display->head != nullptr ? display->head->qserial_num : display->next_event_serial_num;
}

const ButtonEvent& noted(size_t index) {
    return g_events[(g_first + index) % kButtonPositionsKept];
}

void dropFirst() {
    g_first = (g_first + 1) % kButtonPositionsKept;
    --g_count;
}

// Keeps, of the events taken off the queue, only the last: the one that may
// be handled now.
void forgetHandledBefore(unsigned long next) {
    while (g_count >= 2 && noted(1).serial < next) {
        dropFirst();
    }
}

// Runs while Xlib converts the event, before it numbers and queues it.
void note(Display* display, const XButtonEvent& event, int action) {
    // GLFW reports every other button event of its window.
    if (display != g_display || event.window != g_window || isWheel(event)) {
        return;
    }
    forgetHandledBefore(nextToHandle(display));
    if (g_count == kButtonPositionsKept) {
        return;
    }
    g_events[(g_first + g_count) % kButtonPositionsKept] = {
        display->next_event_serial_num, glfwButtonOf(event.button), action, event.x, event.y};
    ++g_count;
}

// Converts an event as Xlib would and notes it, or leaves it out of the queue
// when GLFW must not see it.
Bool convert(WireToEvent previous, Display* display, XEvent* event, xEvent* wire, int action) {
    if (!previous(display, event, wire) || outsideGlfwButtons(event->xbutton)) {
        return False;
    }
    note(display, event->xbutton, action);
    return True;
}

Bool notePress(Display* display, XEvent* event, xEvent* wire) {
    return convert(g_previousPress, display, event, wire, GLFW_PRESS);
}

Bool noteRelease(Display* display, XEvent* event, xEvent* wire) {
    return convert(g_previousRelease, display, event, wire, GLFW_RELEASE);
}

int forgetClosedDisplay(Display* display, XExtCodes* /*codes*/) {
    if (display == g_display) {
        g_display = nullptr;
        g_count = 0;
    }
    return 0;
}

// Installs a converter once per connection; a connection made after an
// earlier one closed has Xlib's own again. True when it was installed now.
bool hook(Display* display, int type, WireToEvent own, WireToEvent& previous) {
    const WireToEvent replaced = XESetWireToEvent(display, type, own);
    if (replaced == own) {
        return false;
    }
    previous = replaced;
    return true;
}

void hookConnection(Display* display) {
    if (hook(display, ButtonPress, notePress, g_previousPress)) {
        XExtCodes* codes = XAddExtension(display);
        if (codes != nullptr) {
            XESetCloseDisplay(display, codes->extension, forgetClosedDisplay);
        }
    }
    hook(display, ButtonRelease, noteRelease, g_previousRelease);
}
} // namespace

void noteButtonPositions(GLFWwindow* window) {
    g_display = glfwGetX11Display();
    g_window = glfwGetX11Window(window);
    g_first = 0;
    g_count = 0;
    if (g_display != nullptr) {
        hookConnection(g_display);
    }
}

bool takeButtonPosition(int button, int action, double& x, double& y) {
    if (g_display == nullptr) {
        return false;
    }
    LockDisplay(g_display);
    const unsigned long next = nextToHandle(g_display);
    UnlockDisplay(g_display);
    forgetHandledBefore(next);
    if (g_count == 0 || noted(0).serial >= next || noted(0).button != button ||
        noted(0).action != action) {
        return false;
    }
    x = noted(0).x;
    y = noted(0).y;
    dropFirst();
    return true;
}
