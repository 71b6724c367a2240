#include "BackendPlatform.h"
#include "Device.h"

#include <dlfcn.h>

const int kPrimaryBackend = kBackendVulkan;

// The library loads the EGL library for its OpenGL adapters and unloads it
// when the last of their devices is gone, while Mesa's rendering threads can
// still be running its code: a crash. Once loaded, it stays for the process.
void keepOpenGLLibrariesLoaded() {
    dlopen("libEGL.so", RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}
