#pragma once

#include "Input.h"

#include <webgpu.h>

struct GLFWwindow;

// The program's one GLFW window, the WebGPU device and presentation surface
// made for it, and the event loop that drives everything else.
class Window {
  public:
    // Opens the 1280 x 720 window. Returns the native window handle (a
    // NativeWindow record, see gpu/NativeWindow.h) or null on failure.
    void* create();
    GLFWwindow* getGlfwWindow() const { return glfwWindow; }

    // Brings up the device for the window. Returns null when no device of the
    // requested back end can be made or it cannot present to the window; the
    // reason is then written on one line of standard error, the window is
    // destroyed and GLFW terminated.
    WGPUDevice createDevice(void* nativeWindow, int requested);
    // Whether createDevice found the window closed already (another client
    // destroyed it): then it wrote nothing, and the program ends as for a
    // window closed later.
    bool closedBeforeShown() const { return closedEarly; }
    // Configures the window's surface for the device at 1280 x 720.
    WGPUSurface createSwapChain(WGPUDevice device);
    // After the device was lost: a new one of the back end createDevice was
    // asked for, with the window's surface configured for it. Null when none
    // can be had; the reason is then written on one line of standard error.
    WGPUDevice replaceDevice();

    void setKeyCallback(KeyCallback callback);
    // Also follows the pointer through GLFW's events, so that each button
    // event carries the position it happened at (see followPointer).
    void setMouseButtonCallback(MouseButtonCallback callback);
    void setResizeCallback(ResizeCallback callback);

    void show();
    // Until the window should close: polls events, hands the resize callback
    // (when set) the framebuffer size GLFW gives now, and runs the frame. A
    // window that another client destroys counts as closed once the X server
    // reports it gone. In the browser, which drives the frames, it does not
    // return: the page runs until it is closed.
    void run(FrameCallback frame);
    // Ends the event loop after the pass under way, as closing the window does.
    void close();
    void destroy();

    // One pass of the event loop: events, the resize callback, the frame.
    void runPass(FrameCallback frame);

  private:
    int width = 0;
    int height = 0;
    WGPUSurface swapChain = nullptr;
    WGPUDevice device = nullptr;
    int backendRequest = 0;
    void* reserved = nullptr;
    GLFWwindow* glfwWindow = nullptr;
    bool closedEarly = false;
};

constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 720;
constexpr const char* kWindowTitle = "Tallowick";

void onGlfwError(int code, const char* description);
