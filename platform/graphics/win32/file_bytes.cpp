#include "platform/graphics/file_bytes.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "platform/sys/win32/wide_text.h"

namespace dsp {

// Wide paths, so a picture under a folder with any name can be read.
int ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out) {
    out.clear();
    const int fd = ::_wopen(Widen(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) return errno;
    std::uint8_t buffer[65536];
    for (;;) {
        const int n = ::_read(fd, buffer, sizeof buffer);
        if (n < 0) {
            const int error = errno;
            ::_close(fd);
            return error;
        }
        if (n == 0) break;
        out.insert(out.end(), buffer, buffer + n);
    }
    ::_close(fd);
    return 0;
}

int WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    const int fd = ::_wopen(Widen(path).c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT,
                            _S_IREAD | _S_IWRITE);
    if (fd < 0) return errno;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const unsigned chunk = unsigned(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        const int n = ::_write(fd, bytes.data() + done, chunk);
        if (n < 0) {
            const int error = errno;
            ::_close(fd);
            return error;
        }
        done += std::size_t(n);
    }
    return ::_close(fd) == 0 ? 0 : errno;
}

}  // namespace dsp
