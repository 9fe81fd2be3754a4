#include "platform/sys/private_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace dsp {
namespace {

int MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return errno;
    }
    return 0;
}

}  // namespace

int WritePrivateFile(const std::string& path, std::string_view content) {
    if (const int error = MakeFolders(path); error != 0) return error;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    // A file that existed keeps its old mode through open: narrow it first.
    int error = ::fchmod(fd, 0600) == 0 ? 0 : errno;
    for (std::size_t done = 0; error == 0 && done < content.size();) {
        const ssize_t wrote = ::write(fd, content.data() + done, content.size() - done);
        if (wrote < 0 && errno != EINTR) error = errno;
        if (wrote > 0) done += static_cast<std::size_t>(wrote);
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

int ReplacePrivateFile(const std::string& path, std::string_view content) {
    const std::string temporary = path + "." + std::to_string(::getpid()) + ".tmp";
    int error = WritePrivateFile(temporary, content);
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    return error;
}

int RandomBytes(void* data, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(data);
    for (std::size_t done = 0; done < size;) {
        const ssize_t got = ::getrandom(bytes + done, size - done, 0);
        if (got < 0 && errno != EINTR) return errno;
        if (got > 0) done += static_cast<std::size_t>(got);
    }
    return 0;
}

}  // namespace dsp
