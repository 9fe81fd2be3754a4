#pragma once
// PNG and JPEG through the Windows Imaging Component, which every Windows
// (and Wine) carries: the Windows build has no libpng or libjpeg.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/graphics/bitmap.h"

namespace dsp {

enum class WicFormat { Png, Jpeg };

// Throws the format's PictureError (InvalidPng, InvalidJpeg) with the
// component's reason. `alpha` keeps the pixels' top byte as opacity (PNG);
// `fullChroma` keeps every pixel's colour (JPEG: no chroma subsampling).
std::vector<std::uint8_t> WicEncode(const Bitmap& picture, WicFormat format, bool alpha, int quality,
                                    bool fullChroma = false);
// Refuses pictures larger than kMaxBitmapSide or kMaxDecodedPixels before
// any pixel memory is taken. `alpha` keeps the file's opacity in the top byte.
Bitmap WicDecode(std::span<const std::uint8_t> data, WicFormat format, bool alpha);

}  // namespace dsp
