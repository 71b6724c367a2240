#pragma once

#include <webgpu.h>

// What differs between WebGPU implementations in answering requests. One file
// per implementation, chosen by the build.

// Lets the implementation answer the requests made so far: Dawn delivers the
// answers due; the browser gets control back for a moment and answers then.
void awaitAnswers(WGPUInstance instance);
