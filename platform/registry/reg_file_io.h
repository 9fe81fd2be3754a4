#pragma once
// The file system calls the registry store makes, each wrapped once. Every
// function returns 0 on success or the errno of the call that failed.

#include <string>

namespace dsp {

int ReadWholeFile(const std::string& path, std::string& out);
// Writes a temporary file beside `path`, syncs it, renames it over `path` and
// syncs the folder, so a reader sees either the old or the new contents.
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

    int Acquire(const std::string& lockPath);
    void Release();
    bool Held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace dsp
