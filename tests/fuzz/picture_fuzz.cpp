// The picture readers: every input is a picture within the size caps or the
// reader's own error.
#include "platform/graphics/bmp_file.h"
#include "platform/graphics/jpeg_file.h"
#include "platform/graphics/picture_error.h"
#include "platform/graphics/png_file.h"
#include "tests/fuzz/fuzz_entries.h"
#include "tests/fuzz/fuzz_targets.h"

namespace dsp {
namespace {

void CheckPicture(const Bitmap& picture) {
    FuzzCheck(!picture.Empty(), "an accepted picture has pixels");
    FuzzCheck(std::uint64_t(picture.Width()) * std::uint64_t(picture.Height()) <=
                  std::uint64_t(kMaxBitmapSide) * kMaxBitmapSide,
              "an accepted picture is within the side cap");
}

}  // namespace

int FuzzBmp(const std::uint8_t* data, std::size_t size) {
    try {
        std::size_t length = 0;
        CheckPicture(DecodeBmp({data, size}, &length));
        FuzzCheck(length <= size, "a bitmap's length lies within its data");
        return 0;
    } catch (const InvalidBitmap&) {
        return 1;
    }
}

int FuzzPng(const std::uint8_t* data, std::size_t size) {
    try {
        const Bitmap picture = DecodePng({data, size});
        CheckPicture(picture);
        FuzzCheck(std::uint64_t(picture.Width()) * std::uint64_t(picture.Height()) <= kMaxDecodedPixels,
                  "a PNG stays within the pixel cap");
        return 0;
    } catch (const InvalidPng&) {
        return 1;
    }
}

int FuzzJpeg(const std::uint8_t* data, std::size_t size) {
    try {
        const Bitmap picture = DecodeJpeg({data, size});
        CheckPicture(picture);
        FuzzCheck(std::uint64_t(picture.Width()) * std::uint64_t(picture.Height()) <= kMaxDecodedPixels,
                  "a JPEG stays within the pixel cap");
        return 0;
    } catch (const InvalidJpeg&) {
        return 1;
    }
}

}  // namespace dsp
