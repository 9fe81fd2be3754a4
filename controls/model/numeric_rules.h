#pragma once
// The rules the spin edit and the numeric edit share: the bounds (equal bounds
// mean none), when typed text must be rewritten, which keys may be typed, and
// the number settings both keep.

#include <optional>
#include <string>
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

// The value, its bounds, the step and the form it is shown in. Each box
// decides what setting the bounds and the value type does to its value.
class NumberSettings {
  public:
    double Value() const { return value_; }
    double MinValue() const { return minValue_; }
    double MaxValue() const { return maxValue_; }
    double Increment() const { return increment_; }
    TbsValueType ValueType() const { return valueType_; }
    int Decimal() const { return decimal_; }

    void SetIncrement(double value) { increment_ = value; }
    void SetDecimal(int digits) { decimal_ = digits; }

  protected:
    // A number typed into the box (vtInteger rounds it), clamped into the
    // bounds, and whether the clamped text must replace the typed one.
    struct Typed {
        double clamped;
        bool rewrite;
    };
    // Nothing for text that is no number (yet).
    std::optional<Typed> ReadTyped(std::string_view text) const;
    std::string Formatted(double value) const { return FormatNumber(value, valueType_, decimal_); }

    double value_ = 0.0;
    double minValue_ = 0.0;
    double maxValue_ = 0.0;
    double increment_ = 1.0;
    TbsValueType valueType_ = TbsValueType::vtInteger;
    int decimal_ = 2;
};

}  // namespace dsp
