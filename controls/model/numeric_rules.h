#pragma once
// The rules the spin edit and the numeric edit share: the bounds (equal bounds
// mean none), when typed text must be rewritten, and which keys may be typed.

#include <string_view>

#include "controls/model/number_text.h"

namespace dsp {

// Equal bounds take any value unchanged; otherwise it is limited to them.
double ClampNumber(double value, double minValue, double maxValue);

// True when the typed number p, clamped to q, lies beyond a bound on its far
// side from zero, so the clamped text must replace it. A number typed below a
// positive minimum ("5" under 20) is left so that longer numbers can follow.
bool TypedTextNeedsRewrite(double typed, double clamped, double minValue, double maxValue);

// The key filter: digits, "-", control characters except carriage return and
// (vtFloat) the separator; at most one "-" and one separator in the text;
// `readOnly` also rejects backspace and every character from space upward.
// A rejected key is swallowed with a beep.
bool AcceptsNumberKey(char32_t key, std::string_view text, TbsValueType type, bool readOnly,
                      char separator = kDecimalSeparator);

} // namespace dsp
