#include "platform/graphics/bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace dsp {
namespace {

// A few pixels stored one by one, then copied onto the rest in doubling
// blocks: the library's copy uses the widest stores, where a fill loop (and
// vector::assign) stores one pixel at a time.
void FillPixels(Pixel* first, std::size_t count, Pixel value) {
    std::size_t done = std::min<std::size_t>(count, 16);
    std::fill_n(first, done, value);
    while (done < count) {
        const std::size_t block = std::min(done, count - done);
        std::memcpy(first + done, first, block * sizeof(Pixel));
        done += block;
    }
}

}  // namespace

// The pixels are written once with their first value: clearing to black and
// then filling doubled the cost of every background-coloured picture.
Bitmap::Bitmap(int width, int height, Color fill) { Resize(width, height, ColorToPixel(ResolveColor(fill))); }

Bitmap::Bitmap(const Bitmap& other) { *this = other; }

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this == &other) return *this;
    width_ = other.width_;
    height_ = other.height_;
    pixels_.clear();
    pixels_.resize(other.pixels_.size());
    if (!pixels_.empty()) std::memcpy(pixels_.data(), other.pixels_.data(), pixels_.size() * sizeof(Pixel));
    return *this;
}

void Bitmap::SetSize(int width, int height) { Resize(width, height, 0); }

Bitmap Bitmap::ForOverwrite(int width, int height) {
    Bitmap b;
    b.SetSides(width, height);
    b.pixels_.resize(std::size_t(b.width_) * std::size_t(b.height_));
    return b;
}

void Bitmap::Resize(int width, int height, Pixel value) {
    SetSides(width, height);
    // Sized without value-initialising, then filled by block copies; clearing
    // first keeps a reallocation from copying the old pixels.
    pixels_.clear();
    pixels_.resize(std::size_t(width_) * std::size_t(height_));
    FillPixels(pixels_.data(), pixels_.size(), value);
}

void Bitmap::SetSides(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) {
        throw std::invalid_argument("bitmap size out of range: " + std::to_string(width) + " x " +
                                    std::to_string(height));
    }
    if (width == 0 || height == 0) width = height = 0;
    width_ = width;
    height_ = height;
}

Color Bitmap::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kInvalidColor;
    return PixelToColor(Row(y)[x]);
}

void Bitmap::SetPixel(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Row(y)[x] = ColorToPixel(ResolveColor(c));
}

void Bitmap::Fill(Color c) { FillPixels(pixels_.data(), pixels_.size(), ColorToPixel(ResolveColor(c))); }

void Bitmap::ReadRow24(int y, std::uint8_t* out) const {
    const Pixel* row = Row(y);
    for (int x = 0; x < width_; ++x) {
        const Pixel p = row[x];
        *out++ = std::uint8_t(p);
        *out++ = std::uint8_t(p >> 8);
        *out++ = std::uint8_t(p >> 16);
    }
}

void Bitmap::WriteRow24(int y, const std::uint8_t* in) {
    Pixel* row = Row(y);
    for (int x = 0; x < width_; ++x, in += 3) {
        row[x] = Pixel(in[0]) | (Pixel(in[1]) << 8) | (Pixel(in[2]) << 16);
    }
}

}  // namespace dsp
