#pragma once

// Connects one GLFW window to the current Dear ImGui context: window size,
// time, mouse, keyboard, characters and gamepad go in; cursor requests and the
// clipboard come out. The state is process-wide, for one window and one context.

#include <imgui.h>

struct GLFWwindow;

// With install_callbacks true the binding installs its GLFW mouse-button,
// scroll, key and character callbacks, which first call whatever callbacks the
// window had before. Always returns true.
bool ImGui_ImplGlfw_InitForOther(GLFWwindow* window, bool install_callbacks);
bool ImGui_ImplGlfw_InitForOpenGL(GLFWwindow* window, bool install_callbacks);
bool ImGui_ImplGlfw_InitForVulkan(GLFWwindow* window, bool install_callbacks);
void ImGui_ImplGlfw_Shutdown();

// Call after the renderer binding's new-frame (which builds the font atlas)
// and before ImGui::NewFrame.
void ImGui_ImplGlfw_NewFrame();

// For an application that initialises without installing callbacks and
// forwards GLFW's events itself.
void ImGui_ImplGlfw_MouseButtonCallback(GLFWwindow* window, int button, int action, int mods);
void ImGui_ImplGlfw_ScrollCallback(GLFWwindow* window, double xoffset, double yoffset);
void ImGui_ImplGlfw_KeyCallback(GLFWwindow* window, int key, int scancode, int action, int mods);
void ImGui_ImplGlfw_CharCallback(GLFWwindow* window, unsigned int c);

// Fills every navigation input from a gamepad's raw axes and buttons, as GLFW
// reports them for an XInput-style pad; inputs the pad does not raise are 0.
void ImGui_ImplGlfw_GamepadNavInputs(const float* axes, int axes_count,
                                     const unsigned char* buttons, int buttons_count,
                                     float (&nav_inputs)[ImGuiNavInput_COUNT]);
