#include "DisplayConnection.h"

// The browser presents the canvas itself: there is no display connection.
void* openDisplayConnectionLike(void* /*display*/) {
    return nullptr;
}

void closeDisplayConnection(void* /*connection*/) {}
