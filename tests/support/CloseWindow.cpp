// close-window NAME: asks the top-level X window with this exact name to
// close, as a window manager's close button does (WM_DELETE_WINDOW).
#include "X11Driver.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: close-window NAME\n");
        return 2;
    }
    X11Driver x11;
    const unsigned long window = x11.findWindow(argv[1], 2000);
    if (window == 0) {
        std::fprintf(stderr, "close-window: no window named %s\n", argv[1]);
        return 1;
    }
    x11.requestClose(window);
    x11.sync();
    return 0;
}
