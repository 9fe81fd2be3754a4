#pragma once
// Which catalog language the program uses: "LANG" first; when it is empty, the
// language and country of the process locale (LC_ALL, then LC_MESSAGES); when
// that names no two-letter language and country, the locale identifier's name.
// Linux has no locale identifier, so that last step gives "C".

#include <cstdint>
#include <string>
#include <string_view>

namespace dsp {

inline constexpr std::uint32_t kNoLocaleId = 0;

// The name for a numeric locale identifier, "C" for unknown ones.
std::string_view LocaleNameFromId(std::uint32_t localeId);

// "de_DE.UTF-8" or "de_DE@euro" -> "de_DE"; empty unless both the language and
// the country are two letters.
std::string LanguageAndCountry(std::string_view locale);

// The name cut at its first ".".
std::string CutAtDot(std::string_view name);

// The detection rule over given values, for the caller that has them.
std::string DetectLanguageFrom(std::string_view lang, std::string_view lcAll, std::string_view lcMessages,
                               std::uint32_t localeId);

// The detection rule over this process's environment.
std::string DetectLanguage();

}  // namespace dsp
