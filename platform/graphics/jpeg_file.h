#pragma once
// JPEG files through libjpeg: decoding for the banner picture, encoding for
// the tools that make such pictures. A stream the library rejects throws
// InvalidJpeg with the library's own reason; the library is never allowed to
// end the program. Sizes above 16384 x 16384, or far beyond what the stream's
// length could hold, are refused before any pixel memory is taken.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture_error.h"

namespace dsp {

Bitmap DecodeJpeg(std::span<const std::uint8_t> data);
// Only the first `rows` rows (the whole picture when it has fewer), the same
// pixels as in the whole; `height` receives the whole picture's. What lies
// below is neither decoded nor checked.
Bitmap DecodeJpegTop(std::span<const std::uint8_t> data, int rows, int* height);
// How finely a file keeps colour. Halved: chroma at half the resolution
// each way, the usual trade. Full: every pixel's own colour; decoders then
// agree on the pixels, while each widens halved chroma its own way, so a
// picture that must look the same on every platform keeps it full.
enum class JpegChroma { Halved, Full };

// quality 1..100; throws InvalidJpeg for an empty picture.
std::vector<std::uint8_t> EncodeJpeg(const Bitmap& picture, int quality = 90,
                                     JpegChroma chroma = JpegChroma::Halved);

}  // namespace dsp
