#include "platform/registry/reg_file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace dsp {
namespace {

constexpr std::chrono::milliseconds kLockPollInterval{5};

int WriteAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

std::string FolderOf(const std::string& path) {
    size_t cut = path.rfind('/');
    if (cut == std::string::npos) return ".";
    return cut == 0 ? "/" : path.substr(0, cut);
}

int SyncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    int rc = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return rc;
}

}  // namespace

int ReplaceFileAtomically(const std::string& path, const std::string& data) {
    // One fixed name: writers take turns under the lock, and a writer killed
    // half-way leaves a temporary file the next one truncates and reuses
    // instead of one more stray file per crash.
    std::string temp = path + ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    int rc = WriteAll(fd, data);
    if (rc == 0 && ::fsync(fd) != 0) rc = errno;
    if (::close(fd) != 0 && rc == 0) rc = errno;
    if (rc == 0 && ::rename(temp.c_str(), path.c_str()) != 0) rc = errno;
    if (rc != 0) {
        ::unlink(temp.c_str());
        return rc;
    }
    return SyncFolder(FolderOf(path));
}

int MakeFolders(const std::string& path) {
    if (path.empty()) return ENOENT;
    for (size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos != path.size() && path[pos] != '/') continue;
        std::string part = path.substr(0, pos);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return errno;
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

FileLock::~FileLock() { Release(); }

int FileLock::Acquire(const std::string& lockPath, std::chrono::milliseconds timeout) {
    Release();
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    // flock has no timed form: poll the non-blocking one.
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        if (e == EINTR) continue;
        if (e != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return e;
        }
        std::this_thread::sleep_for(kLockPollInterval);
    }
    fd_ = fd;
    return 0;
}

void FileLock::Release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

}  // namespace dsp
