#include "controls/model/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "controls/model/rounding.h"

namespace dsp {
namespace {

constexpr int kSignificant = 15;

std::string FormatInteger(double value) {
    double r = RoundHalfEvenReal(value) + 0.0; // + 0.0 turns -0 into 0
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, r, std::chars_format::fixed, 0);
    return std::string(buf, res.ptr);
}

// Digits of |value| at 15 significant digits, most significant first, and the
// power of ten of the first one.
void SignificantDigits(double magnitude, std::vector<int>& digits, int& exponent) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, kSignificant - 1);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    std::size_t e = s.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (s[i] != '.') digits.push_back(s[i] - '0');
    }
    std::string_view ex = s.substr(e + 1);
    if (!ex.empty() && ex.front() == '+') ex.remove_prefix(1);
    std::from_chars(ex.data(), ex.data() + ex.size(), exponent);
}

std::string FormatFixed(double value, int decimals, char separator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    std::vector<int> sig;
    int exponent = 0;
    SignificantDigits(std::fabs(value), sig, exponent);
    if (exponent >= kSignificant) {
        char buf[400];
        auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
        return std::string(buf, res.ptr);
    }
    auto digitAt = [&](int power) {
        int i = exponent - power;
        return (i >= 0 && i < kSignificant) ? sig[static_cast<std::size_t>(i)] : 0;
    };
    int intLen = std::max(exponent + 1, 1);
    std::vector<int> out;
    for (int p = intLen - 1; p >= -decimals; --p) out.push_back(digitAt(p));
    if (digitAt(-decimals - 1) >= 5) {
        int i = static_cast<int>(out.size()) - 1;
        while (i >= 0 && out[static_cast<std::size_t>(i)] == 9) out[static_cast<std::size_t>(i--)] = 0;
        if (i >= 0) {
            ++out[static_cast<std::size_t>(i)];
        } else {
            out.insert(out.begin(), 1);
            ++intLen;
        }
    }
    bool nonZero = false;
    for (int d : out) nonZero = nonZero || d != 0;
    std::string text = (value < 0 && nonZero) ? "-" : "";
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (static_cast<int>(i) == intLen) text += separator;
        text += static_cast<char>('0' + out[i]);
    }
    return text;
}

} // namespace

std::string FormatNumber(double value, TbsValueType type, int decimals, char separator) {
    if (type == TbsValueType::vtInteger) return FormatInteger(value);
    return FormatFixed(value, std::max(decimals, 0), separator);
}

bool IsNumberText(std::string_view text, TbsValueType type, char separator) {
    if (text.empty() || text == "-") return false;
    bool floatType = type == TbsValueType::vtFloat;
    int separators = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') continue;
        if (c == '-') {
            if (i != 0) return false;
            continue;
        }
        if (floatType && c == separator) {
            if (i == 0 || ++separators > 1) return false;
            continue;
        }
        return false;
    }
    return true;
}

std::optional<double> ParseNumber(std::string_view text, TbsValueType type, char separator) {
    if (!IsNumberText(text, type, separator)) return std::nullopt;
    std::string s(text);
    for (char& c : s) {
        if (c == separator) c = '.';
    }
    double value = 0.0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        value = s.front() == '-' ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    } else if (res.ec != std::errc() || res.ptr != s.data() + s.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace dsp
