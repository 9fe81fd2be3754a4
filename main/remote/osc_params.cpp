#include "main/remote/osc_params.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace dsp {
namespace {

constexpr std::string_view kPrefix = "/dsp/";

struct ValueOf {
    const CommandRow& row;
    std::optional<int> InRange(long long value) const {
        if (value < row.minValue || value > row.maxValue) return std::nullopt;
        return static_cast<int>(value);
    }
    std::optional<int> operator()(std::int32_t value) const { return InRange(value); }
    std::optional<int> operator()(const std::string& text) const { return ParseCommandValue(row, text); }
    std::optional<int> operator()(float position) const {
        if (!(position >= 0.0f && position <= 1.0f)) return std::nullopt;  // NaN too
        // nearbyint rounds halves to even in the default rounding mode.
        return InRange(
            std::llround(std::nearbyint(row.minValue + double{position} * (row.maxValue - row.minValue))));
    }
};

}  // namespace

std::string OscAddress(const CommandRow& row) {
    std::string address(kPrefix);
    for (char c : row.name) address += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return address;
}

const CommandRow* FindOscParameter(std::string_view address) {
    if (!address.starts_with(kPrefix)) return nullptr;
    const std::string_view name = address.substr(kPrefix.size());
    const auto rows = CommandTable();
    // Lower case only: the address is the row's name as OscAddress writes it.
    auto it = std::ranges::find_if(rows, [&](const CommandRow& row) {
        return std::ranges::equal(
            row.name, name, [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    });
    return it == rows.end() ? nullptr : &*it;
}

std::optional<int> OscValue(const CommandRow& row, const OscArg& arg) {
    return std::visit(ValueOf{row}, arg);
}

bool IsMemoryAction(const CommandRow& row) { return !row.trigger.empty(); }

float OscNorm(const CommandRow& row, int value) {
    return static_cast<float>(value - row.minValue) / static_cast<float>(row.maxValue - row.minValue);
}

}  // namespace dsp
