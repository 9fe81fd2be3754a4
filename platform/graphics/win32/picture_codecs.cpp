// The PNG and JPEG entry points of the Windows build, over the imaging
// component.

#include "platform/graphics/jpeg_file.h"
#include "platform/graphics/png_file.h"
#include "platform/graphics/win32/wic_codec.h"

namespace dsp {

std::vector<std::uint8_t> EncodePng(const Bitmap& picture) {
    if (picture.Empty()) throw InvalidPng("cannot write an empty picture");
    return WicEncode(picture, WicFormat::Png, false, 0);
}

std::vector<std::uint8_t> EncodePngWithAlpha(const Bitmap& picture) {
    if (picture.Empty()) throw InvalidPng("cannot write an empty picture");
    return WicEncode(picture, WicFormat::Png, true, 0);
}

Bitmap DecodePng(std::span<const std::uint8_t> data) { return WicDecode(data, WicFormat::Png, false); }

Bitmap DecodeJpeg(std::span<const std::uint8_t> data) { return WicDecode(data, WicFormat::Jpeg, false); }

std::vector<std::uint8_t> EncodeJpeg(const Bitmap& picture, int quality) {
    if (picture.Empty()) throw InvalidJpeg("cannot write an empty picture");
    return WicEncode(picture, WicFormat::Jpeg, false, quality);
}

}  // namespace dsp
