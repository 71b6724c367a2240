#include "GlfwInterpose.h"

#include <GLFW/glfw3.h>
#include <X11/Xlib.h>
#include <dlfcn.h>

GlfwInterpose g_interpose;

extern "C" void glfwGetFramebufferSize(GLFWwindow* window, int* width, int* height) {
    ++g_interpose.framebufferSizeQueries;
    if (g_interpose.fakeFramebufferSize) {
        *width = g_interpose.fakeWidth;
        *height = g_interpose.fakeHeight;
        return;
    }
    using Real = void (*)(GLFWwindow*, int*, int*);
    reinterpret_cast<Real>(dlsym(RTLD_NEXT, "glfwGetFramebufferSize"))(window, width, height);
}

extern "C" void glfwGetCursorPos(GLFWwindow* window, double* x, double* y) {
    ++g_interpose.cursorQueries;
    if (g_interpose.fakeCursor) {
        *x = g_interpose.fakeX;
        *y = g_interpose.fakeY;
        return;
    }
    using Real = void (*)(GLFWwindow*, double*, double*);
    reinterpret_cast<Real>(dlsym(RTLD_NEXT, "glfwGetCursorPos"))(window, x, y);
}

extern "C" int XDestroyWindow(Display* display, Window window) {
    using Real = int (*)(Display*, Window);
    const int result = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "XDestroyWindow"))(display, window);
    if (g_interpose.syncWhileDestroyingWindows) {
        XSync(display, False);
    }
    return result;
}
