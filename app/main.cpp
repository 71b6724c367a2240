#include "Window.h"

namespace {
Window* g_window = nullptr;

void forwardFrame(double /*time*/) {}
} // namespace

int main(int /*argc*/, char** /*argv*/) {
    g_window = new Window();
    if (g_window->create() == nullptr) {
        return 0;
    }
    g_window->show();
    g_window->run(forwardFrame);
    g_window->destroy();
    return 0;
}
