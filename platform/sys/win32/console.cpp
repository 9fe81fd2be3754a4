#include "platform/sys/console.h"

#include <fcntl.h>
#include <io.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>

namespace dsp {
namespace {

struct Stream {
    DWORD id;    // STD_INPUT_HANDLE ...
    int fd;      // 0, 1, 2
    FILE* file;  // stdin ...
    bool input;
};

bool Given(DWORD id) {
    const HANDLE h = GetStdHandle(id);
    return h != nullptr && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}

// The console's own input or output in place of a stream that has none: the
// system's handle, the C runtime's descriptor and the stdio stream on it.
void OpenOnConsole(const Stream& s) {
    const HANDLE h = CreateFileW(s.input ? L"CONIN$" : L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    SetStdHandle(s.id, h);
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), (s.input ? _O_RDONLY : 0) | _O_BINARY);
    if (fd < 0) return;
    if (fd != s.fd) {
        _dup2(fd, s.fd);
        _close(fd);
    }
    // The stream was set up when the descriptor had no file behind it.
    clearerr(s.file);
    if (!s.input) setvbuf(s.file, nullptr, s.fd == 2 ? _IONBF : _IOLBF, 4096);
}

}  // namespace

void UseParentConsole() {
    const Stream streams[] = {{STD_INPUT_HANDLE, 0, stdin, true},
                              {STD_OUTPUT_HANDLE, 1, stdout, false},
                              {STD_ERROR_HANDLE, 2, stderr, false}};
    bool missing = false;
    for (const Stream& s : streams) missing = missing || !Given(s.id);
    // Started from Explorer there is no console to attach to: nothing shows.
    if (!missing || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    for (const Stream& s : streams)
        if (!Given(s.id)) OpenOnConsole(s);
}

}  // namespace dsp
