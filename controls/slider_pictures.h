#pragma once
// The slider's built-in pictures, kept as 16-colour BMP files in the program.

#include <cstdint>
#include <span>

namespace dsp {

enum class SliderPicture { BS_HTB, BS_HRL, BS_VTB, BS_VRL };

std::span<const std::uint8_t> SliderPictureBmp(SliderPicture picture);

} // namespace dsp
