#include "platform/registry/registry_messages.h"

#include <array>

namespace dsp {
namespace {

std::array<std::string, kRegistryMessageCount>& Table() {
    static std::array<std::string, kRegistryMessageCount> table = {
        "Invalid data type for '%s'",
        "Failed to get data for '%s'",
        "Failed to set data for '%s'",
    };
    return table;
}

}  // namespace

std::string RegistryMessageText(RegistryMessage id) { return Table()[static_cast<int>(id)]; }

void SetRegistryMessageText(RegistryMessage id, std::string text) {
    Table()[static_cast<int>(id)] = std::move(text);
}

std::string FormatRegistryMessage(RegistryMessage id, std::string_view valueName) {
    std::string text = RegistryMessageText(id);
    size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, valueName);
    return text;
}

}  // namespace dsp
