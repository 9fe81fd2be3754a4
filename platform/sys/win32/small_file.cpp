#include "platform/sys/small_file.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdint>

#include "platform/sys/win32/wide_text.h"

namespace dsp {
namespace {

struct FdGuard {
    int fd;
    ~FdGuard() {
        if (fd >= 0) ::_close(fd);
    }
};

int ReadAll(int fd, std::size_t maxBytes, std::string& out) {
    char buffer[16384];
    for (;;) {
        const int n = ::_read(fd, buffer, sizeof buffer);
        if (n < 0) return errno;
        if (n == 0) return 0;
        if (static_cast<std::size_t>(n) > maxBytes - out.size()) return kFileTooLarge;
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

}  // namespace

// Wide paths: a user folder may hold characters the ANSI code page lacks.
// Windows has no FIFOs that _wopen could block on; a device name (NUL, COM1)
// opens but is not a regular file and is refused before a byte is read.
int ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& out) {
    out.clear();
    FdGuard guard{::_wopen(Widen(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT)};
    if (guard.fd < 0) return errno;
    struct _stat64 info {};
    if (::_fstat64(guard.fd, &info) != 0) return errno;
    if ((info.st_mode & _S_IFMT) != _S_IFREG) return kNotRegularFile;
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) return kFileTooLarge;
    out.reserve(static_cast<std::size_t>(info.st_size));
    const int rc = ReadAll(guard.fd, maxBytes, out);
    if (rc != 0) out.clear();
    return rc;
}

}  // namespace dsp
