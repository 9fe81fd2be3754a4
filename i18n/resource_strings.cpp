#include "i18n/resource_strings.h"

#include <array>

#include "i18n/gettext_instance.h"

namespace dsp {
namespace {

constexpr std::array<std::string_view, static_cast<std::size_t>(ResString::kCount)> kTexts = {
    "Invalid data type for '%s'",
    "Failed to get data for '%s'",
    "Failed to set data for '%s'",
    " (win error code: %d)",
};

}  // namespace

std::string_view ResStringText(ResString id) {
    const auto index = static_cast<std::size_t>(id);
    return index < kTexts.size() ? kTexts[index] : std::string_view();
}

std::string LoadResString(ResString id) {
    const std::string_view text = ResStringText(id);
    TGettextInstance& instance = DefaultInstance();
    if (!instance.ResourceStringsRedirected()) return std::string(text);
    return instance.TranslateResourceString(text);
}

}  // namespace dsp
