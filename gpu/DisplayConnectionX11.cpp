#include "DisplayConnection.h"

#include <X11/Xlib.h>

void* openDisplayConnectionLike(void* display) {
    Display* shared = static_cast<Display*>(display);
    if (shared == nullptr) {
        return nullptr;
    }
    XSync(shared, False);
    return XOpenDisplay(XDisplayString(shared));
}

void closeDisplayConnection(void* connection) {
    if (connection != nullptr) {
        XCloseDisplay(static_cast<Display*>(connection));
    }
}
