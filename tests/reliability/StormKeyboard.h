#pragma once

// The keyboard of an input storm, on a connection of its own to the X server.
// While it exists the server repeats no held key: the storm's own events are
// all there is to count.
class StormKeyboard {
  public:
    StormKeyboard();
    ~StormKeyboard();
    StormKeyboard(const StormKeyboard&) = delete;
    StormKeyboard& operator=(const StormKeyboard&) = delete;

    // Presses or releases the key, once the server has waited delayMs
    // milliseconds; returns when the server has taken the event.
    void key(unsigned long keysym, bool press, unsigned long delayMs);

  private:
    struct _XDisplay* display_ = nullptr;
};
