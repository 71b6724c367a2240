#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Drives the X server the way a person would, through the XTest extension, and
// looks at what it shows. Keys and buttons it leaves pressed are released when
// it goes, so that the server's state does not carry over to the next test.
//
// Positions are on the screen, counted from where the program's window sits:
// the screen's origin, or the point TALLOWICK_TEST_WINDOW_ORIGIN gives as
// "x,y" (under wine without a window manager the window's own frame puts it
// there).
class X11Driver {
  public:
    X11Driver();
    ~X11Driver();
    X11Driver(const X11Driver&) = delete;
    X11Driver& operator=(const X11Driver&) = delete;

    // The top-level window with this exact name, waiting up to timeoutMs; 0 if
    // none. With a process id, only a window that process made counts: a window
    // of an earlier test's process may outlive it for a while.
    unsigned long findWindow(const std::string& name, int timeoutMs, unsigned long pid = 0);
    void windowSize(unsigned long window, int& width, int& height);
    void windowPosition(unsigned long window, int& x, int& y);

    void movePointer(int x, int y);
    // X button numbers: 1 left, 2 middle, 3 right, 8 and 9 the side buttons.
    void button(unsigned int xButton, bool press);
    void click(unsigned int xButton);
    // keysym from X11/keysym.h, for example XK_a. The server takes the event
    // after waiting delayMs milliseconds; this returns when it has.
    void key(unsigned long keysym, bool press, unsigned long delayMs = 0);
    // With repeats off the server repeats no held key, whichever client holds
    // it, until they are on again or this driver goes.
    void setKeyRepeat(bool on);
    void tap(unsigned long keysym);

    // Sends the window manager's close request (WM_DELETE_WINDOW).
    void requestClose(unsigned long window);
    void resize(unsigned long window, int width, int height);
    void iconify(unsigned long window);
    void map(unsigned long window);
    // Destroys the window as another client may, and waits until it is gone.
    void destroyWindow(unsigned long window);

    struct Rgb {
        int r, g, b;
    };
    // The colour of a pixel of the root window as the screen shows it now.
    Rgb pixel(int x, int y);

    // The whole root window as the screen shows it now.
    struct Screenshot {
        int width = 0;
        int height = 0;
        std::vector<Rgb> pixels;
        const Rgb& at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    };
    Screenshot screenshot();

    void sync();

    // Queues events for a window on a connection of this process as if its X
    // server had sent them all at once.
    struct QueuedEvent {
        enum Type { ButtonDown, ButtonUp, FocusLost } type;
        unsigned int xButton;
        int x;
        int y;
    };
    static void queueAsFromServer(void* display, unsigned long window,
                                  const std::vector<QueuedEvent>& events);

    // Clears a window through another client's connection and waits for the
    // server's answer, so that any error it raises reaches that client now.
    static void clearWindowOn(void* display, unsigned long window);

  private:
    struct _XDisplay* display = nullptr;
    std::vector<unsigned int> heldKeys; // X key codes
    std::vector<unsigned int> heldButtons;
    bool repeatTurnedOff = false;
    int originX = 0;
    int originY = 0;
};
