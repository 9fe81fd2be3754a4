#include "platform/graphics/png_file.h"

#include <png.h>

namespace dsp {
namespace {

// libpng's simplified interface reports through the image structure and
// never jumps out of our frames.
struct PngImage {
    png_image image{};
    PngImage() { image.version = PNG_IMAGE_VERSION; }
    ~PngImage() { png_image_free(&image); }
};

// Deflate expands at most 1032:1, and every pixel takes at least one bit of
// the inflated rows; a header claiming more pixels than its data can hold
// is refused before any pixel memory is taken.
constexpr std::uint64_t kMaxPixelsPerByte = 1032 * 8;

void CheckSize(const png_image& image, std::size_t dataSize) {
    const std::uint64_t pixels = std::uint64_t(image.width) * image.height;
    if (image.width == 0 || image.height == 0 || image.width > png_uint_32(kMaxBitmapSide) ||
        image.height > png_uint_32(kMaxBitmapSide) || pixels > kMaxDecodedPixels) {
        throw InvalidPng("size " + std::to_string(image.width) + " x " + std::to_string(image.height));
    }
    if (pixels > std::uint64_t(dataSize) * kMaxPixelsPerByte) {
        throw InvalidPng("size " + std::to_string(image.width) + " x " + std::to_string(image.height) +
                         " is too large for " + std::to_string(dataSize) + " bytes of data");
    }
}

std::vector<std::uint8_t> Encode(const Bitmap& picture, png_uint_32 format, const void* rows) {
    PngImage png;
    png.image.width = png_uint_32(picture.Width());
    png.image.height = png_uint_32(picture.Height());
    png.image.format = format;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png.image, nullptr, &size, 0, rows, 0, nullptr)) {
        throw InvalidPng(png.image.message);
    }
    std::vector<std::uint8_t> out(size);
    if (!png_image_write_to_memory(&png.image, out.data(), &size, 0, rows, 0, nullptr)) {
        throw InvalidPng(png.image.message);
    }
    out.resize(size);
    return out;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Bitmap& picture) {
    if (picture.Empty()) throw InvalidPng("cannot write an empty picture");
    std::vector<std::uint8_t> rows(std::size_t(picture.Width()) * 3 * std::size_t(picture.Height()));
    for (int y = 0; y < picture.Height(); ++y)
        picture.ReadRow24(y, rows.data() + std::size_t(y) * picture.Width() * 3);
    return Encode(picture, PNG_FORMAT_BGR, rows.data());
}

std::vector<std::uint8_t> EncodePngWithAlpha(const Bitmap& picture) {
    if (picture.Empty()) throw InvalidPng("cannot write an empty picture");
    return Encode(picture, PNG_FORMAT_BGRA, picture.Data());  // our pixels' byte order, alpha on top
}

Bitmap DecodePng(std::span<const std::uint8_t> data) {
    PngImage png;
    if (!png_image_begin_read_from_memory(&png.image, data.data(), data.size())) {
        throw InvalidPng(png.image.message);
    }
    CheckSize(png.image, data.size());
    png.image.format = PNG_FORMAT_BGRA;  // byte order of our pixels
    Bitmap picture(int(png.image.width), int(png.image.height));
    if (!png_image_finish_read(&png.image, nullptr, picture.Data(), 0, nullptr)) {
        throw InvalidPng(png.image.message);
    }
    Pixel* p = picture.Data();
    for (std::size_t i = 0, n = std::size_t(picture.Width()) * picture.Height(); i < n; ++i)
        p[i] &= 0x00FFFFFFu;
    return picture;
}

}  // namespace dsp
