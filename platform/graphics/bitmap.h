#pragma once
// Bitmap: an in-memory picture, rows top to bottom, 32 bits per pixel. Each
// pixel is one 32-bit word 0x00RRGGBB (bytes blue, green, red, unused in
// memory), so a row copies with memcpy and a whole frame goes to the screen
// without conversion. Drawing goes through a Canvas; the skin layer's 24-bit
// effect bitmap converts rows with ReadRow24 / WriteRow24.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "platform/graphics/color.h"
#include "platform/graphics/geometry.h"

namespace dsp {

using Pixel = std::uint32_t;

constexpr Pixel ColorToPixel(Color c) { return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu); }
constexpr Color PixelToColor(Pixel p) { return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu); }

// No picture may be larger than this on either side: it bounds every
// allocation a picture file can ask for.
inline constexpr int kMaxBitmapSide = 16384;

// Compressed picture formats can claim a size far beyond their data (a few
// hundred bytes of PNG or JPEG may describe a gigapixel). Their readers refuse
// more pixels than this (32 MB of pixels) before decoding anything.
inline constexpr std::uint64_t kMaxDecodedPixels = std::uint64_t(1) << 23;

// The value GetPixel gives outside the bitmap.
inline constexpr Color kInvalidColor = 0xFFFFFFFFu;

// Lets a vector grow without value-initialising its elements, so a picture
// about to be overwritten is not cleared first.
template <class T>
struct DefaultInitAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = DefaultInitAllocator<U>;
    };
    using std::allocator<T>::allocator;
    template <class U>
    void construct(U* p) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

class Bitmap {
  public:
    Bitmap() = default;
    // Throws std::invalid_argument when a side is negative or above
    // kMaxBitmapSide. The pixels start as `fill` (system colours resolved).
    Bitmap(int width, int height, Color fill = clBlack);
    // Copies take the pixels in one block copy; the vector's own copy
    // constructs them one at a time through the allocator.
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) noexcept = default;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    Rect Bounds() const { return {0, 0, width_, height_}; }

    // A bitmap whose pixels are undefined: only for a reader that writes
    // every one of them next. Throws as the constructor does.
    static Bitmap ForOverwrite(int width, int height);

    // Resizes and clears to black (as a fresh bitmap would be).
    void SetSize(int width, int height);

    Pixel* Row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    const Pixel* Row(int y) const { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    Pixel* Data() { return pixels_.data(); }
    const Pixel* Data() const { return pixels_.data(); }

    // kInvalidColor outside the bitmap.
    Color GetPixel(int x, int y) const;
    // Ignored outside the bitmap.
    void SetPixel(int x, int y, Color c);
    void Fill(Color c);

    // One row as 24-bit pixels (blue, green, red; width * 3 bytes).
    void ReadRow24(int y, std::uint8_t* out) const;
    void WriteRow24(int y, const std::uint8_t* in);

    friend bool operator==(const Bitmap& a, const Bitmap& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
    }

  private:
    int width_ = 0;
    int height_ = 0;
    void SetSides(int width, int height);
    void Resize(int width, int height, Pixel value);

    std::vector<Pixel, DefaultInitAllocator<Pixel>> pixels_;
};

}  // namespace dsp
