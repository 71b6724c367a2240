#include "DisplayConnection.h"

// A window's surface on Windows presents through the window itself: there is
// no display connection to open.
void* openDisplayConnectionLike(void* /*display*/) {
    return nullptr;
}

void closeDisplayConnection(void* /*connection*/) {}
