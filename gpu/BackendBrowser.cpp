#include "BackendPlatform.h"
#include "Device.h"

// The browser chooses the adapter and what drives it.
const int kPrimaryBackend = kBackendAny;

void keepOpenGLLibrariesLoaded() {}
