#pragma once
// The 4-byte command frame: start marker, code, value, end marker. There is no
// length, checksum or escaping; a value byte of 0x80 or 0xA0 goes out as it is.

#include <array>
#include <cstdint>
#include <string>

namespace dsp {

inline constexpr std::uint8_t kFrameStart = 0x80;
inline constexpr std::uint8_t kFrameEnd = 0xA0;
inline constexpr std::size_t kFrameSize = 4;

using Frame = std::array<std::uint8_t, kFrameSize>;

// The value byte is the low 8 bits of `value`.
constexpr Frame BuildFrame(std::uint8_t code, int value) {
    return {kFrameStart, code, static_cast<std::uint8_t>(value & 0xFF), kFrameEnd};
}

// "80 13 1F A0": upper-case hex, single spaces.
std::string FrameToHex(const Frame& frame);

}  // namespace dsp
