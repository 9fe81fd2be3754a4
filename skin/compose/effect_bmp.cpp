#include "skin/compose/effect_bmp.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace dsp {
namespace {

void PutInt32(std::uint8_t* at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

}  // namespace

TbsEffectBmp::TbsEffectBmp(int width, int height) : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    if (width_ > kMaxBitmapSide || height_ > kMaxBitmapSide)
        throw std::invalid_argument("effect bitmap too large");
    // width * 3 + width mod 4 is the next multiple of 4 at or above width * 3.
    rowLength_ = width_ * 3 + width_ % 4;
    pixels_.assign(std::size_t(rowLength_) * std::size_t(height_), 0);
}

TbsEffectBmp::TbsEffectBmp(const Bitmap& picture) : TbsEffectBmp(picture.Width(), picture.Height()) {
    for (int y = 0; y < height_; ++y) picture.ReadRow24(y, Row(y));
}

std::array<std::uint8_t, 40> TbsEffectBmp::InfoHeader() const {
    std::array<std::uint8_t, 40> h{};
    PutInt32(&h[0], 40);
    PutInt32(&h[4], width_);
    PutInt32(&h[8], -height_);
    h[12] = 1;   // planes
    h[14] = 24;  // bits per pixel; compression (16..19) stays 0
    PutInt32(&h[20], static_cast<std::int32_t>(Size()));
    return h;
}

Color TbsEffectBmp::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kInvalidColor;
    const std::uint8_t* p = At(x, y);
    return Color(p[2]) | Color(p[1]) << 8 | Color(p[0]) << 16;
}

void TbsEffectBmp::SetPixel(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    std::uint8_t* p = At(x, y);
    p[0] = static_cast<std::uint8_t>(c >> 16);
    p[1] = static_cast<std::uint8_t>(c >> 8);
    p[2] = static_cast<std::uint8_t>(c);
}

void TbsEffectBmp::CopyRowOut(int y, std::uint8_t* buffer) const {
    std::memcpy(buffer, Row(y), std::size_t(rowLength_));
}

void TbsEffectBmp::CopyRowIn(int y, const std::uint8_t* buffer) {
    std::memcpy(Row(y), buffer, std::size_t(rowLength_));
}

Bitmap TbsEffectBmp::ToBitmap() const {
    Bitmap out(width_, height_);
    for (int y = 0; y < height_; ++y) out.WriteRow24(y, Row(y));
    return out;
}

void TbsEffectBmp::Draw(Canvas& canvas, Point at) const {
    if (width_ > 0 && height_ > 0) canvas.Draw(at, ToBitmap());
}

void TbsEffectBmp::CopyFlipped(TbsEffectBmp& target) const {
    if (&target == this) {
        TbsEffectBmp copy = *this;
        copy.CopyFlipped(target);
        return;
    }
    if (target.width_ != width_ || target.height_ != height_) target = TbsEffectBmp(width_, height_);
    for (int y = 0; y < height_; ++y) target.CopyRowIn(height_ - 1 - y, Row(y));
}

}  // namespace dsp
