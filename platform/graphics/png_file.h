#pragma once
// PNG files through libpng: writing for screenshots and the sheet of golden
// test pictures, reading for comparing against those pictures. Pictures are
// opaque 24-bit RGB; an alpha channel read from a file is dropped.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture_error.h"

namespace dsp {

std::vector<std::uint8_t> EncodePng(const Bitmap& picture);
Bitmap DecodePng(std::span<const std::uint8_t> data);

// Throw PictureError naming the path and the system's reason.
void WritePngFile(const std::string& path, const Bitmap& picture);
Bitmap ReadPngFile(const std::string& path);

}  // namespace dsp
