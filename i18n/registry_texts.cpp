#include "i18n/registry_texts.h"

#include <array>
#include <utility>

#include "i18n/resource_strings.h"
#include "platform/registry/registry_messages.h"

namespace dsp {
namespace {

constexpr std::array<std::pair<RegistryMessage, ResString>, kRegistryMessageCount> kRegistryTexts = {{
    {RegistryMessage::InvalidDataType, ResString::kRegInvalidType},
    {RegistryMessage::GetDataFailed, ResString::kRegGetDataFailed},
    {RegistryMessage::SetDataFailed, ResString::kRegSetDataFailed},
}};

}  // namespace

void InitRegistryMessages() {
    for (const auto& [message, resource] : kRegistryTexts)
        SetRegistryMessageText(message, LoadResString(resource));
}

}  // namespace dsp
