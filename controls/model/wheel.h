#pragma once
// The wheel message's first parameter: key state in the low half, the wheel
// delta in the high half. Several controls decide their direction on this
// whole value read as a signed 32-bit number, so a delta of 0 with a key held
// counts as "away from the user"; we keep that reading to behave the same.

#include <cstdint>

namespace dsp {

inline std::int32_t WheelParam(int delta, unsigned keyState) {
    std::uint32_t high = static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16;
    return static_cast<std::int32_t>(high | (keyState & 0xFFFFu));
}

} // namespace dsp
