#pragma once
// The value forms of the skin description and their text forms: integers
// (decimal or 0x hex), booleans (true only for a value that reads as 1),
// rectangles and points (the digit-scanning rule), font styles, and the
// enumerated words, which compare exactly, letter case included.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_ini.h"
#include "skin/skin_types.h"

namespace dsp {

// Decimal with an optional sign, or "0x"/"0X" and up to eight hex digits
// (taken as a 32-bit pattern, so colour references above 0x7FFFFFFF read).
// Anything else, an empty text or an out-of-range decimal, gives defaultValue.
int ParseSkinInt(std::string_view text, int defaultValue);

// The rectangle rule: a comma closes a field, a digit joins the current
// field, anything else (blanks, minus signs) is skipped. Exactly `count`
// fields must result, each a decimal number in range; otherwise ESkinError.
std::vector<int> ParseSkinFields(std::string_view text, int count, std::string_view what);

int ReadSkinInt(const SkinIni& ini, std::string_view section, std::string_view key, int def);
bool ReadSkinBool(const SkinIni& ini, std::string_view section, std::string_view key);
TRect ReadSkinRect(const SkinIni& ini, std::string_view section, std::string_view key);
TPoint ReadSkinPoint(const SkinIni& ini, std::string_view section, std::string_view key);
TFontStyles ReadSkinFontStyle(const SkinIni& ini, std::string_view section, std::string_view key);
TAlignment ReadSkinAlignment(const SkinIni& ini, std::string_view section, std::string_view key);
TbsMorphKind ReadSkinMorphKind(const SkinIni& ini, std::string_view section, std::string_view key);
TbsStretchType ReadSkinStretchType(const SkinIni& ini, std::string_view section, std::string_view key);
TbsInActiveEffect ReadSkinEffect(const SkinIni& ini, std::string_view section, std::string_view key);
TbsStdCommand ReadSkinCommand(const SkinIni& ini, std::string_view section, std::string_view key);
// More list entries than any skin needs: a count above it is an error.
inline constexpr std::size_t kMaxSkinListEntries = 65536;

// A list: key name + "count", then keys "0" .. count-1; absent entries read empty.
std::vector<std::string> ReadSkinList(const SkinIni& ini, std::string_view section, std::string_view name);

std::string RectText(const TRect& r);
std::string PointText(const TPoint& p);
std::string FontStyleText(TFontStyles styles);
std::string AlignmentText(TAlignment a);
std::string MorphKindText(TbsMorphKind k);
std::string StretchTypeText(TbsStretchType t);
std::string EffectText(TbsInActiveEffect e);
std::string CommandText(TbsStdCommand c);
void WriteSkinList(SkinIni& ini, std::string_view section, std::string_view name,
                   const std::vector<std::string>& entries);

}  // namespace dsp
