#pragma once
// The fixed colours of the default (unskinned) look, as 0x00BBGGRR values:
// a pressed or dragged part and a hovered or focused part both get the dark
// blue frame, with their own fills. Everything else uses the system button
// colours.

#include <cstdint>

namespace dsp {

inline constexpr std::uint32_t kDefaultLookActiveFrame = 0x800000; // RGB(0, 0, 128)
inline constexpr std::uint32_t kDefaultLookPressedFill = 0xB59385; // RGB(133, 147, 181)
inline constexpr std::uint32_t kDefaultLookHotFill = 0xD2BDB6;     // RGB(182, 189, 210)

} // namespace dsp
