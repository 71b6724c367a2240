#include "StormKeyboard.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>

StormKeyboard::StormKeyboard() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) {
        throw std::runtime_error("cannot open the X display");
    }
    XAutoRepeatOff(display_);
    XSync(display_, False);
}

StormKeyboard::~StormKeyboard() {
    XAutoRepeatOn(display_);
    XCloseDisplay(display_);
}

void StormKeyboard::key(unsigned long keysym, bool press, unsigned long delayMs) {
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    XTestFakeKeyEvent(display_, code, press ? True : False, delayMs);
    XSync(display_, False);
}
