#include "i18n/language.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "platform/sys/process_env.h"

namespace dsp {
namespace {

// The names are kept as the catalogs were named for them, including the
// unusual "gr_GR", "ko_KO" and "en_UK".
constexpr std::array<std::pair<std::uint32_t, std::string_view>, 25> kLocaleNames = {
    {{1030, "da_DK"}, {1031, "de_DE"}, {1032, "gr_GR"}, {1033, "en_US"}, {1034, "es_ES"},
     {1035, "fi_FI"}, {1036, "fr_FR"}, {1039, "is_IS"}, {1040, "it_IT"}, {1042, "ko_KO"},
     {1043, "nl_NL"}, {1044, "no_NO"}, {1045, "pl_PL"}, {1046, "pt_BR"}, {1049, "ru_RU"},
     {1053, "sv_SE"}, {2057, "en_UK"}, {2060, "fr_BE"}, {2067, "nl_BE"}, {2068, "nn_NO"},
     {2070, "pt_PT"}, {2077, "fi_SE"}, {3082, "es_ES"}, {3084, "fr_CA"}, {4103, "de_LU"}}};

bool TwoLetters(std::string_view s) {
    return s.size() == 2 && std::isalpha(static_cast<unsigned char>(s[0])) &&
           std::isalpha(static_cast<unsigned char>(s[1]));
}

}  // namespace

std::string_view LocaleNameFromId(std::uint32_t localeId) {
    for (const auto& [id, name] : kLocaleNames) {
        if (id == localeId) return name;
    }
    return "C";
}

std::string LanguageAndCountry(std::string_view locale) {
    const std::size_t underscore = locale.find('_');
    if (underscore == std::string_view::npos) return {};
    const std::string_view language = locale.substr(0, underscore);
    std::string_view country = locale.substr(underscore + 1);
    country = country.substr(0, country.find_first_of(".@"));
    if (!TwoLetters(language) || !TwoLetters(country)) return {};
    return std::string(language) + "_" + std::string(country);
}

std::string CutAtDot(std::string_view name) { return std::string(name.substr(0, name.find('.'))); }

std::string DetectLanguageFrom(std::string_view lang, std::string_view lcAll, std::string_view lcMessages,
                               std::uint32_t localeId) {
    if (!lang.empty()) return CutAtDot(lang);
    std::string name = LanguageAndCountry(!lcAll.empty() ? lcAll : lcMessages);
    if (name.empty()) name = LocaleNameFromId(localeId);
    return CutAtDot(name);
}

std::string DetectLanguage() {
    return DetectLanguageFrom(EnvironmentVariable("LANG"), EnvironmentVariable("LC_ALL"),
                              EnvironmentVariable("LC_MESSAGES"), kNoLocaleId);
}

}  // namespace dsp
