#pragma once

// Connections of the surface's own to an X display. Presenting over a
// connection of its own keeps every frame's pixels out of the way of the
// replies that the window's connection waits for.

// Opens another connection to the display that `display` (an Xlib Display)
// is connected to, after the server has carried out every request made on
// `display` so far, so that the windows made there exist for the new
// connection. Null when no connection can be opened.
void* openDisplayConnectionLike(void* display);

// Closes a connection opened by openDisplayConnectionLike; null is ignored.
void closeDisplayConnection(void* connection);
