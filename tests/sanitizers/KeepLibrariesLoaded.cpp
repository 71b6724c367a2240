// Linked into every test program of the sanitizer build.
//
// LeakSanitizer looks for leaks when the process exits, after the WebGPU
// library has released its Vulkan instance and the Vulkan loader has unloaded
// the drivers it opened (Mesa's lavapipe among them). Memory a driver keeps
// for the life of the process, pointed to from its own globals, then looks
// leaked: the globals are gone with the library. And the allocation's stack
// can no longer be attributed to the library, so no suppression could name
// it. Keeping every library mapped until exit lets the leak check see such
// memory for what it is, and name the library of any real leak inside it.

#include <dlfcn.h>

extern "C" int dlclose(void* /*handle*/) {
    return 0;
}
