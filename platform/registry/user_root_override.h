#pragma once
// The Windows build's tests: while a UserRootOverride lives, this process's
// HKEY_CURRENT_USER is a fresh empty key (RegOverridePredefKey), so what the
// code under test stores never reaches the user's real settings. The key and
// all below it go when the override ends.

#include <string>

namespace dsp {

class UserRootOverride {
  public:
    // Throws std::runtime_error when the registry refuses the override.
    UserRootOverride();
    ~UserRootOverride();
    UserRootOverride(const UserRootOverride&) = delete;
    UserRootOverride& operator=(const UserRootOverride&) = delete;

  private:
    std::string path_;     // of the stand-in, below the real HKEY_CURRENT_USER
    void* key_ = nullptr;  // HKEY
};

}  // namespace dsp
