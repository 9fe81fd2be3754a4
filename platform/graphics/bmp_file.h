#pragma once
// BMP files: the platform's device-independent bitmap file form, as skin
// packages carry it. Reading takes uncompressed 1-, 4-, 8-, 24- and 32-bit
// pictures, bottom-up or top-down, with palettes and row padding; anything
// else is refused with InvalidBitmap. Writing produces bottom-up files of 24
// bits, or of 8, 4 or 1 bits with a palette made of the picture's colours.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture_error.h"

namespace dsp {

// Reads the BMP file at the start of `data`. When `fileLength` is given it
// receives the number of bytes the file occupies (its header's total length,
// or the end of its pixels when that field is 0), where the next item of a
// package begins.
Bitmap DecodeBmp(std::span<const std::uint8_t> data, std::size_t* fileLength = nullptr);

// Checks everything DecodeBmp checks, palette indices included, and throws the
// same InvalidBitmap, without decoding: DecodeBmp on checked bytes succeeds.
void CheckBmp(std::span<const std::uint8_t> data);

// bitCount 24, 8, 4 or 1. For 8, 4 and 1 the palette holds the picture's
// colours in order of first appearance; a picture with more colours than the
// depth allows throws PictureError.
std::vector<std::uint8_t> EncodeBmp(const Bitmap& picture, int bitCount = 24);

}  // namespace dsp
