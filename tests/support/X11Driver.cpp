#include "X11Driver.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

// Last: it defines macros such as Bool and None.
#include <X11/Xlibint.h>

namespace {
// The process id GLFW declares on its windows (_NET_WM_PID); 0 when none.
unsigned long ownerOf(Display* display, ::Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    unsigned long pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &remaining, &data) == Success &&
        data != nullptr) {
        if (format == 32 && count == 1) {
            pid = static_cast<unsigned long>(*reinterpret_cast<long*>(data));
        }
        XFree(data);
    }
    return pid;
}

unsigned long searchByName(Display* display, ::Window parent, const std::string& name,
                           unsigned long pid) {
    ::Window root = 0;
    ::Window parentOut = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &parentOut, &children, &count)) {
        return 0;
    }
    unsigned long found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        char* windowName = nullptr;
        if (XFetchName(display, children[i], &windowName) && windowName != nullptr) {
            if (name == windowName && (pid == 0 || ownerOf(display, children[i]) == pid)) {
                found = children[i];
            }
            XFree(windowName);
        }
        if (found == 0) {
            found = searchByName(display, children[i], name, pid);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// Other clients make and destroy windows of their own while the tree is read
// (wine does, for the program's helper windows): a window gone by the time it
// is asked about is skipped, where Xlib's error handler would end the process.
unsigned long searchByNameWhileWindowsCome(Display* display, const std::string& name,
                                           unsigned long pid) {
    XSync(display, False);
    XErrorHandler previous = XSetErrorHandler(ignoreErrors);
    const unsigned long found = searchByName(display, DefaultRootWindow(display), name, pid);
    XSync(display, False);
    XSetErrorHandler(previous);
    return found;
}
} // namespace

X11Driver::X11Driver() {
    display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        throw std::runtime_error("cannot open the X display");
    }
    if (const char* origin = std::getenv("TALLOWICK_TEST_WINDOW_ORIGIN")) {
        std::sscanf(origin, "%d,%d", &originX, &originY);
    }
}

X11Driver::~X11Driver() {
    for (unsigned int code : heldKeys) {
        XTestFakeKeyEvent(display, code, False, CurrentTime);
    }
    for (unsigned int xButton : heldButtons) {
        XTestFakeButtonEvent(display, xButton, False, CurrentTime);
    }
    if (repeatTurnedOff) {
        XAutoRepeatOn(display);
    }
    XSync(display, False);
    XCloseDisplay(display);
}

unsigned long X11Driver::findWindow(const std::string& name, int timeoutMs, unsigned long pid) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        const unsigned long window = searchByNameWhileWindowsCome(display, name, pid);
        if (window != 0) {
            return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    return 0;
}

void X11Driver::windowSize(unsigned long window, int& width, int& height) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    width = attributes.width;
    height = attributes.height;
}

void X11Driver::windowPosition(unsigned long window, int& x, int& y) {
    ::Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
}

void X11Driver::movePointer(int x, int y) {
    XTestFakeMotionEvent(display, -1, originX + x, originY + y, CurrentTime);
    // Synchronous, so the event is queued for its window on return.
    XSync(display, False);
}

namespace {
void noteHeld(std::vector<unsigned int>& held, unsigned int what, bool press) {
    held.erase(std::remove(held.begin(), held.end(), what), held.end());
    if (press) {
        held.push_back(what);
    }
}
} // namespace

void X11Driver::button(unsigned int xButton, bool press) {
    noteHeld(heldButtons, xButton, press);
    XTestFakeButtonEvent(display, xButton, press ? True : False, CurrentTime);
    XSync(display, False);
}

void X11Driver::click(unsigned int xButton) {
    button(xButton, true);
    button(xButton, false);
}

void X11Driver::key(unsigned long keysym, bool press, unsigned long delayMs) {
    const KeyCode code = XKeysymToKeycode(display, keysym);
    noteHeld(heldKeys, code, press);
    XTestFakeKeyEvent(display, code, press ? True : False, delayMs);
    XSync(display, False);
}

void X11Driver::setKeyRepeat(bool on) {
    if (on) {
        XAutoRepeatOn(display);
    } else {
        XAutoRepeatOff(display);
    }
    repeatTurnedOff = !on;
    XSync(display, False);
}

void X11Driver::tap(unsigned long keysym) {
    key(keysym, true);
    key(keysym, false);
}

void X11Driver::requestClose(unsigned long window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

void X11Driver::resize(unsigned long window, int width, int height) {
    XResizeWindow(display, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XFlush(display);
}

void X11Driver::iconify(unsigned long window) {
    XIconifyWindow(display, window, DefaultScreen(display));
    XFlush(display);
}

void X11Driver::map(unsigned long window) {
    XMapWindow(display, window);
    XFlush(display);
}

X11Driver::Rgb X11Driver::pixel(int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), originX + x, originY + y, 1, 1,
                              AllPlanes, ZPixmap);
    if (image == nullptr) {
        throw std::runtime_error("XGetImage failed");
    }
    const unsigned long value = XGetPixel(image, 0, 0);
    Rgb rgb{static_cast<int>((value & image->red_mask) >> 16),
            static_cast<int>((value & image->green_mask) >> 8),
            static_cast<int>(value & image->blue_mask)};
    XDestroyImage(image);
    return rgb;
}

X11Driver::Screenshot X11Driver::screenshot() {
    const int screen = DefaultScreen(display);
    Screenshot shot;
    shot.width = DisplayWidth(display, screen) - originX;
    shot.height = DisplayHeight(display, screen) - originY;
    XImage* image = XGetImage(display, DefaultRootWindow(display), originX, originY,
                              static_cast<unsigned>(shot.width), static_cast<unsigned>(shot.height),
                              AllPlanes, ZPixmap);
    if (image == nullptr) {
        throw std::runtime_error("XGetImage failed");
    }
    shot.pixels.reserve(static_cast<size_t>(shot.width * shot.height));
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            const unsigned long value = XGetPixel(image, x, y);
            shot.pixels.push_back({static_cast<int>((value & image->red_mask) >> 16),
                                   static_cast<int>((value & image->green_mask) >> 8),
                                   static_cast<int>(value & image->blue_mask)});
        }
    }
    XDestroyImage(image);
    return shot;
}

void X11Driver::destroyWindow(unsigned long window) {
    XDestroyWindow(display, window);
    XSync(display, False);
}

void X11Driver::sync() {
    XSync(display, False);
}

void X11Driver::clearWindowOn(void* display, unsigned long window) {
    auto* connection = static_cast<Display*>(display);
    XClearWindow(connection, window);
    XSync(connection, False);
}

void X11Driver::queueAsFromServer(void* connection, unsigned long window,
                                  const std::vector<QueuedEvent>& events) {
    Display* display = static_cast<Display*>(connection);
    LockDisplay(display);
    for (const QueuedEvent& queued : events) {
        xEvent wire{};
        wire.u.u.sequenceNumber = static_cast<CARD16>(X_DPY_GET_LAST_REQUEST_READ(display));
        if (queued.type == QueuedEvent::FocusLost) {
            wire.u.u.type = FocusOut;
            wire.u.focus.window = static_cast<CARD32>(window);
            wire.u.focus.mode = NotifyNormal;
        } else {
            wire.u.u.type = queued.type == QueuedEvent::ButtonDown ? ButtonPress : ButtonRelease;
            wire.u.u.detail = static_cast<BYTE>(queued.xButton);
            wire.u.keyButtonPointer.event = static_cast<CARD32>(window);
            wire.u.keyButtonPointer.eventX = static_cast<INT16>(queued.x);
            wire.u.keyButtonPointer.eventY = static_cast<INT16>(queued.y);
        }
        _XEnq(display, &wire);
    }
    UnlockDisplay(display);
}
