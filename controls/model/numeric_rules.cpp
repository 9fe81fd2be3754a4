#include "controls/model/numeric_rules.h"

#include "controls/model/rounding.h"

namespace dsp {

double ClampNumber(double value, double minValue, double maxValue) {
    if (minValue == maxValue) return value;
    if (value < minValue) return minValue;
    if (value > maxValue) return maxValue;
    return value;
}

bool TypedTextNeedsRewrite(double p, double q, double minValue, double maxValue) {
    if ((q >= 0 || p >= 0) && q < p) return true;
    if (q < 0 && p < 0 && q > p) return true;
    if (minValue > 0 && p < 0) return true;
    if (maxValue < 0 && p > 0) return true;
    return false;
}

bool AcceptsNumberKey(char32_t key, std::string_view text, TbsValueType type, bool readOnly, char separator) {
    constexpr char32_t kBackspace = 8;
    constexpr char32_t kReturn = 13;
    if (readOnly && (key == kBackspace || key >= U' ')) return false;
    if (key >= U'0' && key <= U'9') return true;
    if (key == U'-') return text.find('-') == std::string_view::npos;
    if (type == TbsValueType::vtFloat && key == static_cast<char32_t>(separator)) {
        return text.find(separator) == std::string_view::npos;
    }
    return key < U' ' && key != kReturn;
}

std::optional<NumberSettings::Typed> NumberSettings::ReadTyped(std::string_view text) const {
    auto typed = ParseNumber(text, valueType_);
    if (!typed) return std::nullopt;
    double p = *typed;
    if (valueType_ == TbsValueType::vtInteger) p = RoundHalfEvenReal(p);
    const double q = ClampNumber(p, minValue_, maxValue_);
    return Typed{q, TypedTextNeedsRewrite(p, q, minValue_, maxValue_)};
}

}  // namespace dsp
