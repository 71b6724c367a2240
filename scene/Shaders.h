#pragma once

// The triangle's two WGSL programs. The vertex program turns its input
// position about the clip-space origin by the angle in degrees held in the
// uniform at group 0, binding 0; the fragment program writes the interpolated
// vertex colour with alpha 1.0.
extern const char* const kVertexShaderSource;
extern const char* const kFragmentShaderSource;
