#pragma once
// The steps around every lookup: catalogs hold "\n" line ends, so a text is
// looked up without its carriage returns and, when it came with "\r\n", gets
// them back; a translation must be valid, non-empty UTF-8.

#include <string>
#include <string_view>

namespace dsp {

std::string StripCarriageReturns(std::string_view text);

// Puts "\r" before every "\n" that lacks one.
std::string RestoreCarriageReturns(std::string_view text);

bool IsValidUtf8(std::string_view text);

// Turns a found translation of `input` into the text to return: carriage
// returns back when `input` had "\r\n", and ECatalogError when the translation
// is empty or not UTF-8.
std::string FinishTranslation(std::string_view input, std::string_view translation);

}  // namespace dsp
