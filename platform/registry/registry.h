#pragma once
// TRegistry: per-user settings under HKEY_CURRENT_USER, kept in one text file
// in the registry export format, `${XDG_CONFIG_HOME:-$HOME/.config}/dsp-panel/user.reg`.
//
// Every change is written through at once: the file is locked (flock on a
// lock file beside it, so two running programs take turns), read again,
// changed and replaced atomically. A file that cannot be read or parsed makes
// the key impossible to open, and is never overwritten.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/registry/reg_document.h"

namespace dsp {

class ERegistryException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TRegistry {
  public:
    // The store in the user's configuration folder.
    TRegistry();
    // The store in the given file (tests, tools).
    explicit TRegistry(std::string filePath);

    // Where the per-user file lives, from XDG_CONFIG_HOME or HOME.
    static std::string DefaultFilePath();

    const std::string& FilePath() const { return filePath_; }

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
    enum class LoadResult { Loaded, Missing, Unreadable };
    LoadResult Load(RegDocument& doc) const;
    bool Save(const RegDocument& doc) const;
    void WriteValue(RegValue value);
    const RegValue* FindValue(std::string_view name) const;

    std::string filePath_;
    bool open_ = false;
    std::string keyPath_;  // full path, "HKEY_CURRENT_USER\..."
    RegKey snapshot_;      // the key's values as last read or written
};

}  // namespace dsp
