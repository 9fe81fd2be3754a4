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

// The same with an alpha channel: the top byte of each pixel, which opaque
// pictures leave unused, is the opacity (0 transparent, 255 opaque). For
// pictures with transparent parts, such as icons.
std::vector<std::uint8_t> EncodePngWithAlpha(const Bitmap& picture);

// Throw PictureError naming the path and the system's reason.
void WritePngFile(const std::string& path, const Bitmap& picture);
void WritePngFileWithAlpha(const std::string& path, const Bitmap& picture);
Bitmap ReadPngFile(const std::string& path);

}  // namespace dsp
