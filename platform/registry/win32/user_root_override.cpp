#include "platform/registry/user_root_override.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <stdexcept>

#include "platform/sys/win32/wide_text.h"

namespace dsp {
namespace {

// Below the real HKEY_CURRENT_USER, one per process.
std::string StandInPath() {
    return "Software\\dsp-panel-tests\\user-root-" + std::to_string(GetCurrentProcessId());
}

[[noreturn]] void Fail(const char* what, LSTATUS rc) {
    throw std::runtime_error(std::string(what) + ": " + WinErrorText(static_cast<unsigned long>(rc)));
}

}  // namespace

UserRootOverride::UserRootOverride() : path_(StandInPath()) {
    const std::wstring wide = Widen(path_);
    RegDeleteTreeW(HKEY_CURRENT_USER, wide.c_str());  // a leftover of a process that died
    HKEY key = nullptr;
    LSTATUS rc = RegCreateKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (rc != ERROR_SUCCESS) Fail("creating the stand-in for HKEY_CURRENT_USER", rc);
    rc = RegOverridePredefKey(HKEY_CURRENT_USER, key);
    if (rc != ERROR_SUCCESS) {
        RegCloseKey(key);
        RegDeleteTreeW(HKEY_CURRENT_USER, wide.c_str());
        Fail("overriding HKEY_CURRENT_USER", rc);
    }
    key_ = key;
}

UserRootOverride::~UserRootOverride() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(static_cast<HKEY>(key_));
    RegDeleteTreeW(HKEY_CURRENT_USER, Widen(path_).c_str());
}

}  // namespace dsp
