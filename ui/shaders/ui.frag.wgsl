// The vertex colour modulated by the texel of the command's texture.
@group(0) @binding(1) var s : sampler;
@group(1) @binding(0) var t : texture_2d<f32>;

@fragment
fn main(@location(0) color : vec4f, @location(1) uv : vec2f) -> @location(0) vec4f {
    return color * textureSample(t, s, uv);
}
