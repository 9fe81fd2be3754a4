#include "platform/graphics/graphic.h"

#include "platform/graphics/bmp_file.h"
#include "platform/graphics/jpeg_file.h"

namespace dsp {

void TBitmapImage::LoadFromBytes(std::span<const std::uint8_t> data) { picture_ = DecodeBmp(data); }

void TJPEGImage::LoadFromBytes(std::span<const std::uint8_t> data) { picture_ = DecodeJpeg(data); }

}  // namespace dsp
