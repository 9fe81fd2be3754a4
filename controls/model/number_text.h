#pragma once
// Numbers as the numeric controls show and read them. Both directions are
// independent of the C locale (a translation runtime may switch it), and the
// decimal separator is passed in.

#include <optional>
#include <string>
#include <string_view>

#include "controls/model/value_type.h"

namespace dsp {

inline constexpr char kDecimalSeparator = '.';

// vtInteger: rounded to the nearest integer, halves to even, in plain
// decimal. vtFloat: fixed-point from 15 significant digits with `decimals`
// digits after the separator, the last one rounded half away from zero.
std::string FormatNumber(double value, TbsValueType type, int decimals, char separator = kDecimalSeparator);

// Typed text that may be taken as a number: not empty, not "-", only digits,
// one leading "-" and (vtFloat) one separator that is not the first character.
bool IsNumberText(std::string_view text, TbsValueType type, char separator = kDecimalSeparator);

// Reads text that passed IsNumberText. Integers are read as exact numbers of
// any length, so a long run of digits is clamped rather than rejected.
std::optional<double> ParseNumber(std::string_view text, TbsValueType type, char separator = kDecimalSeparator);

} // namespace dsp
