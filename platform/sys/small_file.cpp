#include "platform/sys/small_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

#include "platform/sys/fd_guard.h"

namespace dsp {
namespace {

// Reads until end of file; one byte past the limit is enough to know the
// file is too long (it may have grown since fstat).
int ReadAll(int fd, std::size_t maxBytes, std::string& out) {
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return 0;
        if (static_cast<std::size_t>(n) > maxBytes - out.size()) return kFileTooLarge;
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

}  // namespace

int ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& out) {
    out.clear();
    FdGuard guard{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (guard.fd < 0) return errno;
    struct stat info {};
    if (::fstat(guard.fd, &info) != 0) return errno;
    if (!S_ISREG(info.st_mode)) return kNotRegularFile;
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) return kFileTooLarge;
    out.reserve(static_cast<std::size_t>(info.st_size));
    const int rc = ReadAll(guard.fd, maxBytes, out);
    if (rc != 0) out.clear();
    return rc;
}

}  // namespace dsp
