#include "platform/registry/reg_file_io.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cerrno>
#include <thread>

#include "platform/sys/win32/wide_text.h"

// The same calls over the C runtime's wide-path functions, so that their
// errors stay errno values as on Linux; the replacing rename and the lock are
// Win32's own (the runtime's rename does not replace, and it has no flock).

namespace dsp {
namespace {

constexpr std::chrono::milliseconds kLockPollInterval{5};

int WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const int n = ::_write(fd, data.data() + done, unsigned(data.size() - done));
        if (n < 0) return errno;
        done += std::size_t(n);
    }
    return 0;
}

int ErrnoOf(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ? EACCES : EIO;
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

int ReplaceFileAtomically(const std::string& path, const std::string& data) {
    // One fixed name, as on Linux: writers take turns under the lock.
    const std::wstring temp = Widen(path + ".tmp");
    const int fd = ::_wopen(temp.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) return errno;
    int rc = WriteAll(fd, data);
    if (rc == 0 && ::_commit(fd) != 0) rc = errno;
    if (::_close(fd) != 0 && rc == 0) rc = errno;
    if (rc == 0 &&
        !MoveFileExW(temp.c_str(), Widen(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        rc = ErrnoOf(GetLastError());
    if (rc != 0) ::_wunlink(temp.c_str());
    return rc;
}

int MakeFolders(const std::string& path) {
    if (path.empty()) return ENOENT;
    // Past a drive ("C:") and the root: those are never made.
    std::size_t from = path.size() > 1 && path[1] == ':' ? 2 : 0;
    while (from < path.size() && IsSeparator(path[from])) ++from;
    for (std::size_t pos = from + 1; pos <= path.size(); ++pos) {
        if (pos != path.size() && !IsSeparator(path[pos])) continue;
        if (::_wmkdir(Widen(path.substr(0, pos)).c_str()) != 0 && errno != EEXIST) return errno;
    }
    struct _stat64 st {};
    if (::_wstat64(Widen(path).c_str(), &st) != 0) return errno;
    return (st.st_mode & _S_IFDIR) ? 0 : ENOTDIR;
}

FileLock::~FileLock() { Release(); }

int FileLock::Acquire(const std::string& lockPath, std::chrono::milliseconds timeout) {
    Release();
    const int fd = ::_wopen(Widen(lockPath).c_str(), _O_RDWR | _O_CREAT | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) return errno;
    const HANDLE h = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        OVERLAPPED at{};
        if (LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) break;
        const DWORD error = GetLastError();
        if (error != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() >= deadline) {
            ::_close(fd);
            return error == ERROR_LOCK_VIOLATION ? EWOULDBLOCK : ErrnoOf(error);
        }
        std::this_thread::sleep_for(kLockPollInterval);
    }
    fd_ = fd;
    return 0;
}

void FileLock::Release() {
    if (fd_ < 0) return;
    OVERLAPPED at{};
    UnlockFileEx(reinterpret_cast<HANDLE>(::_get_osfhandle(fd_)), 0, 1, 0, &at);
    ::_close(fd_);
    fd_ = -1;
}

}  // namespace dsp
