// TRegistry over the real registry: HKEY_CURRENT_USER, or a key under it
// that stands in for it (tests, tools).

#include "platform/registry/registry.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <utility>
#include <vector>

#include "platform/registry/registry_messages.h"
#include "platform/sys/win32/wide_text.h"

namespace dsp {
namespace {

constexpr std::string_view kRoot = "HKEY_CURRENT_USER";

std::string_view TrimSlashes(std::string_view key) {
    while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
    while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
    return key;
}

ERegistryException Error(RegistryMessage id, std::string_view name) {
    return ERegistryException(FormatRegistryMessage(id, name));
}

}  // namespace

TRegistry::TRegistry() = default;

TRegistry::TRegistry(std::string filePath) : filePath_(std::string(TrimSlashes(filePath))) {}

TRegistry::~TRegistry() { CloseKey(); }

TRegistry::TRegistry(TRegistry&& other) noexcept
    : filePath_(std::move(other.filePath_)),
      lockTimeout_(other.lockTimeout_),
      problem_(std::move(other.problem_)),
      key_(std::exchange(other.key_, nullptr)),
      open_(std::exchange(other.open_, false)),
      keyPath_(std::move(other.keyPath_)) {}

std::string TRegistry::DefaultFilePath() { return {}; }

bool TRegistry::OpenKey(std::string_view key, bool canCreate) {
    CloseKey();
    problem_.clear();
    std::string sub(TrimSlashes(key));
    if (!filePath_.empty()) sub = sub.empty() ? filePath_ : filePath_ + "\\" + sub;
    HKEY opened = nullptr;
    const std::wstring wide = Widen(sub);
    LSTATUS rc;
    if (canCreate) {
        rc = RegCreateKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_READ | KEY_WRITE, nullptr, &opened, nullptr);
    } else {
        rc = RegOpenKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, KEY_READ | KEY_WRITE, &opened);
    }
    if (rc != ERROR_SUCCESS) return false;
    key_ = opened;
    open_ = true;
    const std::string_view shown = TrimSlashes(key);
    keyPath_ = std::string(kRoot) + (shown.empty() ? "" : "\\" + std::string(shown));
    return true;
}

void TRegistry::CloseKey() {
    if (key_) RegCloseKey(static_cast<HKEY>(key_));
    key_ = nullptr;
    open_ = false;
    keyPath_.clear();
}

bool TRegistry::ValueExists(std::string_view name) const {
    if (!open_) return false;
    return RegQueryValueExW(static_cast<HKEY>(key_), Widen(name).c_str(), nullptr, nullptr, nullptr,
                            nullptr) == ERROR_SUCCESS;
}

// A DWORD read into a four-byte buffer: data that does not fit fails the
// read, data that fits but has another type is the wrong type.
int32_t TRegistry::ReadInteger(std::string_view name) const {
    if (!open_) throw Error(RegistryMessage::GetDataFailed, name);
    DWORD type = 0, value = 0, size = sizeof value;
    const LSTATUS rc = RegQueryValueExW(static_cast<HKEY>(key_), Widen(name).c_str(), nullptr, &type,
                                        reinterpret_cast<BYTE*>(&value), &size);
    if (rc != ERROR_SUCCESS) throw Error(RegistryMessage::GetDataFailed, name);
    if (type != REG_DWORD) throw Error(RegistryMessage::InvalidDataType, name);
    if (size != sizeof value) throw Error(RegistryMessage::GetDataFailed, name);
    return static_cast<int32_t>(value);
}

std::string TRegistry::ReadString(std::string_view name) const {
    if (!open_) throw Error(RegistryMessage::GetDataFailed, name);
    const std::wstring wide = Widen(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(static_cast<HKEY>(key_), wide.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        throw Error(RegistryMessage::GetDataFailed, name);
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw Error(RegistryMessage::InvalidDataType, name);
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(static_cast<HKEY>(key_), wide.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
        throw Error(RegistryMessage::GetDataFailed, name);
    std::wstring_view value(text.data(), size / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.remove_suffix(1);
    return Narrow(value);
}

void TRegistry::WriteRaw(std::string_view name, std::uint32_t type, const void* data, std::uint32_t size) {
    if (!open_ || RegSetValueExW(static_cast<HKEY>(key_), Widen(name).c_str(), 0, type,
                                 static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
        throw Error(RegistryMessage::SetDataFailed, name);
}

void TRegistry::WriteInteger(std::string_view name, int32_t value) {
    const DWORD dword = static_cast<DWORD>(value);
    WriteRaw(name, REG_DWORD, &dword, sizeof dword);
}

void TRegistry::WriteString(std::string_view name, std::string_view value) {
    const std::wstring wide = Widen(value);
    WriteRaw(name, REG_SZ, wide.c_str(), std::uint32_t((wide.size() + 1) * sizeof(wchar_t)));
}

}  // namespace dsp
