#pragma once
// TRegistry: per-user settings under HKEY_CURRENT_USER. On Windows they are
// the real registry's (win32/registry.cpp). On Linux they are kept in one text
// file in the registry export format, `${XDG_CONFIG_HOME:-$HOME/.config}/dsp-panel/user.reg`:
//
// Every change is written through at once: the file is locked (flock on a
// lock file beside it, so two running programs take turns), read again,
// changed and replaced atomically. A file that cannot be read or parsed makes
// the key impossible to open, and is never overwritten; so does a file that
// is not a regular file or is larger than kMaxFileSize, and a lock another
// program holds longer than the lock timeout. Problem() then says why in one
// line, for the caller to report.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/registry/reg_document.h"
#include "platform/registry/reg_file_io.h"

namespace dsp {

class ERegistryException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TRegistry {
  public:
    // The store in the user's configuration folder (the real
    // HKEY_CURRENT_USER on Windows).
    TRegistry();
    // The store in the given file (tests, tools). On Windows: the key of that
    // path under HKEY_CURRENT_USER stands in for HKEY_CURRENT_USER itself.
    explicit TRegistry(std::string filePath);
#if defined(_WIN32)
    ~TRegistry();  // closes the open key
    TRegistry(TRegistry&& other) noexcept;
    TRegistry& operator=(TRegistry&&) = delete;
#endif

    // Settings files are a few hundred bytes; anything this large is not ours.
    static constexpr std::size_t kMaxFileSize = 1024 * 1024;
    static constexpr std::chrono::milliseconds kDefaultLockTimeout{2000};

    // Where the per-user file lives, from XDG_CONFIG_HOME or HOME.
    static std::string DefaultFilePath();

    const std::string& FilePath() const { return filePath_; }

    void SetLockTimeout(std::chrono::milliseconds timeout) { lockTimeout_ = timeout; }
    // Why the last OpenKey or write left the file alone, as one line naming
    // the file; empty when nothing went wrong with the file itself.
    const std::string& Problem() const { return problem_; }

    // Opens a key under HKEY_CURRENT_USER ("\Software\a\b"; the leading
    // backslash is optional). With canCreate a missing key (and file) is
    // created. Returns false when the key cannot be opened.
    bool OpenKey(std::string_view key, bool canCreate);
    void CloseKey();
    bool KeyOpen() const { return open_; }
    const std::string& CurrentPath() const { return keyPath_; }

    bool ValueExists(std::string_view name) const;
    // Throws ERegistryException: "Invalid data type for '%s'" when the value
    // is of another type that fits in four bytes, "Failed to get data for '%s'"
    // when it is missing, larger, or no key is open.
    int32_t ReadInteger(std::string_view name) const;
    // Throws "Failed to set data for '%s'" when the value cannot be stored.
    void WriteInteger(std::string_view name, int32_t value);
    std::string ReadString(std::string_view name) const;
    void WriteString(std::string_view name, std::string_view value);

  private:
#if defined(_WIN32)
    std::string filePath_;  // the stand-in root key; empty: HKEY_CURRENT_USER
    std::chrono::milliseconds lockTimeout_ = kDefaultLockTimeout;  // the registry locks for itself
    std::string problem_;
    void* key_ = nullptr;  // HKEY while a key is open
    bool open_ = false;
    std::string keyPath_;
    void WriteRaw(std::string_view name, std::uint32_t type, const void* data, std::uint32_t size);
#else
    enum class LoadResult { Loaded, Missing, Unreadable };
    LoadResult Load(RegDocument& doc);
    bool Save(const RegDocument& doc);
    bool Lock(FileLock& lock);
    void NoteProblem(std::string_view what);
    void WriteValue(RegValue value);
    const RegValue* FindValue(std::string_view name) const;

    std::string filePath_;
    std::chrono::milliseconds lockTimeout_ = kDefaultLockTimeout;
    std::string problem_;
    bool open_ = false;
    std::string keyPath_;  // full path, "HKEY_CURRENT_USER\..."
    RegKey snapshot_;      // the key's values as last read or written
#endif
};

}  // namespace dsp
