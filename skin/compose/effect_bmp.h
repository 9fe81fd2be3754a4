#pragma once
// TbsEffectBmp: a 24-bit picture with direct access to its pixels, for the
// fades between a frame object's or button's normal and active images (the
// seven morph kinds) and the six effects that turn an active frame into an
// inactive one.
//
// Rows run top to bottom, each pixel blue, green, red, each row padded to a
// multiple of 4 bytes (width * 3 + width mod 4). All arithmetic works on the
// three channels separately; a result is rounded to the nearest integer,
// halves to the even neighbour, and clamped to 0..255. A weight k is clamped
// to 0..1 first.

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "platform/graphics/canvas.h"
#include "skin/skin_types.h"

namespace dsp {

class TbsEffectBmp {
  public:
    TbsEffectBmp() = default;
    // A black picture. Throws std::invalid_argument for a side above
    // kMaxBitmapSide; a negative side counts as 0.
    TbsEffectBmp(int width, int height);
    // A 24-bit copy of a platform bitmap.
    explicit TbsEffectBmp(const Bitmap& picture);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int RowLength() const { return rowLength_; }
    std::size_t Size() const { return pixels_.size(); }
    // The 40-byte device-independent header of the pixels: top-down rows
    // (negative height), one plane, 24 bits, no compression.
    std::array<std::uint8_t, 40> InfoHeader() const;

    // kInvalidColor outside the picture; setting outside is ignored.
    Color GetPixel(int x, int y) const;
    void SetPixel(int x, int y, Color c);
    std::uint8_t* Row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(rowLength_); }
    const std::uint8_t* Row(int y) const { return pixels_.data() + std::size_t(y) * std::size_t(rowLength_); }
    // RowLength() bytes out of or into row y.
    void CopyRowOut(int y, std::uint8_t* buffer) const;
    void CopyRowIn(int y, const std::uint8_t* buffer);

    Bitmap ToBitmap() const;
    // All pixels, unscaled, with the top-left corner at `at`.
    void Draw(Canvas& canvas, Point at) const;
    // Pixel (x, y) goes to (x, height - 1 - y) of `target`, which takes this
    // picture's size first.
    void CopyFlipped(TbsEffectBmp& target) const;

    // Blends `other` (same size, else nothing happens) into this picture by
    // `kind` with morph factor k.
    void Morph(TbsMorphKind kind, const TbsEffectBmp& other, double k);

    // Every channel c becomes (1 - k) * c + 255 * k.
    void Brightness(double k);
    // Every channel c becomes (1 - k) * c.
    void Darkness(double k);
    // Every channel becomes 0.3 red + 0.59 green + 0.11 blue.
    void Grayscale();
    // Adds one offset in [-amount/2, amount - 1 - amount/2] per pixel to its
    // three channels.
    void Noise(int amount, std::mt19937& random);
    // In place, top row first: each pixel becomes the average of the four
    // pixels `offset` away diagonally (edges folded back). Nothing happens
    // for an offset of 0 or one not smaller than both sides.
    void SplitBlur(int offset);
    void Invert();
    // The inactive effect with the arguments the frame uses: brightness 0.5,
    // darkness 0.3, noise 50, split blur 1.
    void InactiveEffect(TbsInActiveEffect effect, std::mt19937& random);

    friend bool operator==(const TbsEffectBmp&, const TbsEffectBmp&) = default;

  private:
    std::uint8_t* At(int x, int y) { return Row(y) + std::size_t(x) * 3; }
    const std::uint8_t* At(int x, int y) const { return Row(y) + std::size_t(x) * 3; }
    // Column (or row) weights m: a pixel becomes m * self + (1 - m) * other;
    // a negative weight leaves the pixel alone.
    void BlendColumns(const TbsEffectBmp& other, const std::vector<double>& weights);
    void BlendRows(const TbsEffectBmp& other, const std::vector<double>& weights);
    void CentreGradient(const TbsEffectBmp& other, double k);
    void Slide(const TbsEffectBmp& other, double k, bool left);
    void Push(const TbsEffectBmp& other, double k);

    int width_ = 0;
    int height_ = 0;
    int rowLength_ = 0;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace dsp
