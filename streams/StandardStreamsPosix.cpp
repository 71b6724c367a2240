#include "StandardStreams.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
// Left closed, a standard stream's number would go to the next file opened
// (the X connection among them), and the echo would be written into that.
bool openClosedStandardStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        // The lowest free number is this one: the ones below are open.
        if (open("/dev/null", O_RDWR) != fd) {
            return false;
        }
    }
    return true;
}
} // namespace

bool prepareStandardStreams() {
    if (!openClosedStandardStreams()) {
        return false;
    }
    std::signal(SIGPIPE, SIG_IGN);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    return true;
}

// Standard output is line-buffered: each line goes out as it ends.
void flushEchoLine() {}
