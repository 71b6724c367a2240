#pragma once

#include "Input.h"

#include <imgui.h>
#include <webgpu.h>

#include <cstdint>
#include <string>

// The demonstration's one scene: an indexed, vertex-coloured triangle that
// turns about the window's centre over a clear colour, the state the user
// edits, and the GPU objects it renders with.
struct GLFWwindow;

class Scene {
  public:
    Scene();
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    void initShaderSources();

    // The scene takes over the references it is handed and releases them
    // when destroyed.
    void setDevice(WGPUDevice handle);
    void setQueue(WGPUQueue handle);
    void setSwapChain(WGPUSurface handle);
    void setShowUI(bool show);
    // Carries on with a new device after the one in use was lost: every GPU
    // object of the scene and of the UI renderer is made anew on it, and what
    // the user set (the angle and direction, the speed, the colours, the
    // panel) stays. Takes over the device's reference.
    void replaceDevice(WGPUDevice handle);

    // A buffer of the given size and usage (plus copy destination), filled
    // with the initial bytes through the queue.
    WGPUBuffer createBuffer(const void* data, uint64_t size, WGPUBufferUsage usage);
    WGPUShaderModule createShader(const char* source, const char* label);
    void createPipelineAndBuffers();

    // Creates the UI context and both UI bindings for the window. Needs the
    // device, and the window's own input callbacks installed first.
    void initUI(GLFWwindow* window);
    // Builds this frame's control panel; nothing when the panel is hidden.
    void drawUI();

    // Echo every event on standard output; a left press reverses the turning.
    void onKey(int key, ButtonAction action);
    void onMouseButton(MouseButton button, ButtonAction action, int x, int y);
    void onResize(int width, int height);

    // Draws one frame and presents it. The argument is not used; the result
    // is always true.
    bool render(double time);

    // The angle after one frame's step of 0.1 x speed degrees in the given
    // direction. A speed that is not a finite number does not move the angle,
    // and the result is kept within (-360, 360) so that its precision, and
    // so the step, is never lost however long the scene runs.
    static float advanceRotation(float degrees, float speed, int direction);

    float getRotationDegrees() const { return rotationDegrees; }
    int getDirection() const { return direction; }
    bool getShowUI() const { return showUI; }
    const ImVec4& getClearColor() const { return clearColor; }
    const ImVec4& getVertex1Color() const { return vertex1Color; }
    const ImVec4& getVertex2Color() const { return vertex2Color; }
    const ImVec4& getVertex3Color() const { return vertex3Color; }
    float getRotationSpeed() const { return rotationSpeed; }
    WGPURenderPipeline getPipeline() const { return pipeline; }
    WGPUBuffer getVertexBuffer() const { return vertexBuffer; }
    WGPUBuffer getIndexBuffer() const { return indexBuffer; }
    WGPUBuffer getUniformBuffer() const { return uniformBuffer; }
    WGPUBindGroup getBindGroup() const { return bindGroup; }
    const std::string& getVertexShaderSource() const { return vertexShaderSource; }
    const std::string& getFragmentShaderSource() const { return fragmentShaderSource; }

  private:
    friend struct SceneTestAccess;

    void recordTriangle(WGPURenderPassEncoder pass);
    // Releases the pipeline, buffers and bind group, the queue and the device.
    void releaseGpuObjects();
    void startUIRenderer();

    float rotationDegrees = 0.0f;
    int32_t direction = 1;
    bool showUI = true;
    ImVec4 clearColor = ImVec4(0.45f, 0.55f, 0.60f, 1.00f);
    ImVec4 vertex1Color = ImVec4(1.0f, 0.0f, 0.0f, 1.0f);
    ImVec4 vertex2Color = ImVec4(0.0f, 1.0f, 0.0f, 1.0f);
    ImVec4 vertex3Color = ImVec4(0.0f, 0.0f, 1.0f, 1.0f);
    float rotationSpeed = 0.0f;
    WGPURenderPipeline pipeline = nullptr;
    WGPUBuffer vertexBuffer = nullptr;
    WGPUBuffer indexBuffer = nullptr;
    WGPUBuffer uniformBuffer = nullptr;
    WGPUBindGroup bindGroup = nullptr;
    WGPUDevice device = nullptr;
    WGPUQueue queue = nullptr;
    WGPUSurface swapChain = nullptr;
    std::string vertexShaderSource;
    std::string fragmentShaderSource;
};
