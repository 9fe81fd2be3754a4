#pragma once
// The file system calls the registry store makes, each wrapped once. Every
// function returns 0 on success or the errno of the call that failed.

#include <chrono>
#include <string>

namespace dsp {

// Writes a temporary file beside `path`, syncs it, renames it over `path` and
// syncs the folder, so a reader sees either the old or the new contents.
// Callers hold the file's lock: the temporary file's name is fixed.
int ReplaceFileAtomically(const std::string& path, const std::string& data);
// Creates the folder and its missing parents (mode 0700 for new ones).
int MakeFolders(const std::string& path);

// An exclusive advisory lock (flock) on a lock file, held while it lives.
class FileLock {
  public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits at most `timeout` for the lock; returns EWOULDBLOCK when another
    // holder kept it that long. A program stuck with the lock (stopped in a
    // debugger, hung) must not keep ours from starting.
    int Acquire(const std::string& lockPath, std::chrono::milliseconds timeout);
    void Release();
    bool Held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace dsp
