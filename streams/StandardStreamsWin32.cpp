#include "StandardStreams.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace {
// A stream without a handle behind it (a program started with its standard
// streams closed or without a console) is opened on the null device, so that
// writing to it fails nowhere.
bool openOnNullDeviceIfClosed(FILE* stream, const char* mode) {
    const int fd = _fileno(stream);
    if (fd >= 0 && _get_osfhandle(fd) != -1 && _get_osfhandle(fd) != -2) {
        return true;
    }
    return std::freopen("NUL", mode, stream) != nullptr;
}
} // namespace

// Windows raises no signal for a pipe whose reader has gone: the write fails.
// Its C runtime takes line buffering for full buffering, so each line is
// flushed as it ends (flushEchoLine). Lines end in "\n" alone, as on Linux, not in the C
// runtime's "\r\n".
bool prepareStandardStreams() {
    if (!openOnNullDeviceIfClosed(stdin, "r") || !openOnNullDeviceIfClosed(stdout, "w") ||
        !openOnNullDeviceIfClosed(stderr, "w")) {
        return false;
    }
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
    return true;
}

void flushEchoLine() {
    std::fflush(stdout);
}
