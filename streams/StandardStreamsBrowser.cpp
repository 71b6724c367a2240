#include "StandardStreams.h"

#include <cstdio>

// Standard output goes to the browser's console (and the page), a line at a
// time as each ends.
bool prepareStandardStreams() {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    return true;
}

// The runtime hands each line on as it ends.
void flushEchoLine() {}
