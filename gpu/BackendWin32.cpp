#include "BackendPlatform.h"
#include "Device.h"

// The library's own choice: Direct3D 12 where it is usable (it needs
// dxcompiler.dll and dxil.dll beside the program), else Vulkan. A program
// bound to Direct3D 12 alone would start on no machine that lacks them.
const int kPrimaryBackend = kBackendAny;

void keepOpenGLLibrariesLoaded() {}
