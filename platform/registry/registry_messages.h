#pragma once
// The registry's error texts. They are resource strings: kept in one table so
// the translation runtime can replace them at start-up.

#include <string>
#include <string_view>

namespace dsp {

enum class RegistryMessage : int {
    InvalidDataType = 0,  // "Invalid data type for '%s'"
    GetDataFailed = 1,    // "Failed to get data for '%s'"
    SetDataFailed = 2,    // "Failed to set data for '%s'"
};

inline constexpr int kRegistryMessageCount = 3;

// The current text of a message (a printf-style template with one %s).
std::string RegistryMessageText(RegistryMessage id);
// Replaces a text, e.g. with its translation.
void SetRegistryMessageText(RegistryMessage id, std::string text);
// The message with the value name filled in.
std::string FormatRegistryMessage(RegistryMessage id, std::string_view valueName);

}  // namespace dsp
