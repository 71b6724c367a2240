#version 450 core

// Draws Dear ImGui's vertices: position in display coordinates, texture
// coordinate, and the packed vertex colour as four normalised bytes.
layout(location = 0) in vec2 aPos;
layout(location = 1) in vec2 aUV;
layout(location = 2) in vec4 aColor;

layout(set = 0, binding = 0) uniform transform {
    mat4 mvp;
};

out gl_PerVertex {
    vec4 gl_Position;
};

layout(location = 0) out Varyings {
    vec4 Color;
    vec2 UV;
} Out;

void main() {
    Out.Color = aColor;
    Out.UV = aUV;
    gl_Position = mvp * vec4(aPos.x, aPos.y, 0.0, 1.0);
}
