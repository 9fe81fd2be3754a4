#pragma once
// JPEG files through libjpeg: decoding for the banner picture, encoding for
// the tools that make such pictures. A stream the library rejects throws
// InvalidJpeg with the library's own reason; the library is never allowed to
// end the program.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture_error.h"

namespace dsp {

Bitmap DecodeJpeg(std::span<const std::uint8_t> data);
// quality 1..100; throws InvalidJpeg for an empty picture.
std::vector<std::uint8_t> EncodeJpeg(const Bitmap& picture, int quality = 90);

}  // namespace dsp
