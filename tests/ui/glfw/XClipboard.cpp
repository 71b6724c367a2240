// Kept apart from the tests: the X11 headers define macros such as None and Bool.
#include <GLFW/glfw3.h>
#include <X11/Xlib.h>

#include <string>

// Asks the CLIPBOARD selection's owner for UTF-8 text over a connection of its
// own, running GLFW's event processing meanwhile since the owner is this process.
std::string readClipboardAsAnotherClient() {
    Display* display = XOpenDisplay(nullptr);
    const ::Window window =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom property = XInternAtom(display, "TALLOWICK_CLIPBOARD", False);
    XConvertSelection(display, XInternAtom(display, "CLIPBOARD", False),
                      XInternAtom(display, "UTF8_STRING", False), property, window, CurrentTime);
    XEvent event{};
    std::string text = "(no answer)";
    for (int i = 0; i < 300; ++i) {
        if (XCheckTypedWindowEvent(display, window, SelectionNotify, &event)) {
            Atom type = 0;
            int format = 0;
            unsigned long count = 0;
            unsigned long after = 0;
            unsigned char* data = nullptr;
            XGetWindowProperty(display, window, property, 0, 1 << 16, True, AnyPropertyType, &type,
                               &format, &count, &after, &data);
            text.assign(reinterpret_cast<char*>(data), count);
            XFree(data);
            break;
        }
        glfwWaitEventsTimeout(0.01);
    }
    XDestroyWindow(display, window);
    XCloseDisplay(display);
    return text;
}
