// The PNG and JPEG entry points of the Windows build, over the imaging
// component.

#include <algorithm>

#include "platform/graphics/jpeg_file.h"
#include "platform/graphics/jpeg_size_check.h"
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

// The size is checked before the imaging component sees the stream: its
// decoder (Wine's at least) decodes at once whatever size the header claims.
Bitmap DecodeJpeg(std::span<const std::uint8_t> data) {
    unsigned width = 0, height = 0;
    if (ReadJpegFrameSize(data, &width, &height))
        if (std::string problem = JpegSizeProblem(width, height, data.size()); !problem.empty())
            throw InvalidJpeg(problem);
    return WicDecode(data, WicFormat::Jpeg, false);
}

// The system's decoder has no way to stop early: the whole picture is
// decoded and its top rows kept.
Bitmap DecodeJpegTop(std::span<const std::uint8_t> data, int rows, int* height) {
    Bitmap whole = DecodeJpeg(data);
    *height = whole.Height();
    if (rows >= whole.Height()) return whole;
    Bitmap top(whole.Width(), std::max(rows, 0));
    for (int y = 0; y < top.Height(); ++y) std::copy_n(whole.Row(y), whole.Width(), top.Row(y));
    return top;
}

std::vector<std::uint8_t> EncodeJpeg(const Bitmap& picture, int quality, JpegChroma chroma) {
    if (picture.Empty()) throw InvalidJpeg("cannot write an empty picture");
    return WicEncode(picture, WicFormat::Jpeg, false, quality, chroma == JpegChroma::Full);
}

}  // namespace dsp
