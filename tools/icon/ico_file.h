#pragma once
// The icon file Windows takes for a program (the .ico format): each picture
// as a 32-bit bitmap with its opacity, and the 1-bit mask older readers use.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/graphics/bitmap.h"

namespace dsp {

// Square pictures of 1 to 256 pixels, the top byte of each pixel its opacity.
std::vector<std::uint8_t> IcoBytes(std::span<const Bitmap> pictures);

}  // namespace dsp
