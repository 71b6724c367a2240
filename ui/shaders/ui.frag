#version 450 core

// The vertex colour modulated by the texel of the command's texture.
layout(location = 0) in Varyings {
    vec4 Color;
    vec2 UV;
} In;

layout(location = 0) out vec4 fColor;

layout(set = 1, binding = 0) uniform texture2D t;
layout(set = 0, binding = 1) uniform sampler s;

void main() {
    fColor = In.Color * texture(sampler2D(t, s), In.UV);
}
