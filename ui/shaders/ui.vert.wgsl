// Draws Dear ImGui's vertices: position in display coordinates, texture
// coordinate, and the packed vertex colour as four normalised bytes.
@group(0) @binding(0) var<uniform> mvp : mat4x4f;

struct Varyings {
    @builtin(position) position : vec4f,
    @location(0) color : vec4f,
    @location(1) uv : vec2f,
}

@vertex
fn main(@location(0) aPos : vec2f, @location(1) aUV : vec2f,
        @location(2) aColor : vec4f) -> Varyings {
    var varyings : Varyings;
    varyings.color = aColor;
    varyings.uv = aUV;
    varyings.position = mvp * vec4f(aPos.x, aPos.y, 0.0, 1.0);
    return varyings;
}
