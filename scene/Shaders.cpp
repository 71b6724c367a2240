#include "Shaders.h"

const char* const kVertexShaderSource = R"(
const PI : f32 = 3.141592653589793;

fn radians(degs : f32) -> f32 {
	return (degs * PI) / 180.0;
}

struct Rotation {
	degs : f32,
}

@group(0) @binding(0) var<uniform> uRot : Rotation;

struct VertexOutput {
	@location(0) vCol : vec3<f32>,
	@builtin(position) Position : vec4<f32>,
}

@vertex
fn main(@location(0) aPos : vec2<f32>, @location(1) aCol : vec3<f32>) -> VertexOutput {
	let rads = radians(uRot.degs);
	let cosA = cos(rads);
	let sinA = sin(rads);
	let rot = mat3x3<f32>(
		vec3<f32>(cosA, sinA, 0.0),
		vec3<f32>(-sinA, cosA, 0.0),
		vec3<f32>(0.0, 0.0, 1.0));
	var output : VertexOutput;
	output.Position = vec4<f32>(rot * vec3<f32>(aPos.x, aPos.y, 1.0), 1.0);
	output.vCol = aCol;
	return output;
}
)";

const char* const kFragmentShaderSource = R"(
@fragment
fn main(@location(0) vCol : vec3<f32>) -> @location(0) vec4<f32> {
	return vec4<f32>(vCol, 1.0);
}
)";
