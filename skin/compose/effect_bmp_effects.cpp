// The six effects of TbsEffectBmp, which turn an active frame into an
// inactive one.
#include "skin/compose/channel_math.h"
#include "skin/compose/effect_bmp.h"

namespace dsp {
namespace {

template <class F>
void EachPixel(TbsEffectBmp& bmp, F&& f) {
    for (int y = 0; y < bmp.Height(); ++y) {
        std::uint8_t* p = bmp.Row(y);
        for (int x = 0; x < bmp.Width(); ++x, p += 3) f(p);
    }
}

template <class F>
void EachChannel(TbsEffectBmp& bmp, F&& f) {
    EachPixel(bmp, [&](std::uint8_t* p) {
        for (int c = 0; c < 3; ++c) p[c] = f(p[c]);
    });
}

}  // namespace

void TbsEffectBmp::Brightness(double k) {
    k = ClampWeight(k);
    EachChannel(*this, [k](std::uint8_t c) { return ToChannel((1.0 - k) * c + 255.0 * k); });
}

void TbsEffectBmp::Darkness(double k) {
    k = ClampWeight(k);
    EachChannel(*this, [k](std::uint8_t c) { return ToChannel((1.0 - k) * c); });
}

void TbsEffectBmp::Grayscale() {
    EachPixel(*this, [](std::uint8_t* p) {
        const std::uint8_t v = ToChannel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
        p[0] = p[1] = p[2] = v;
    });
}

void TbsEffectBmp::Noise(int amount, std::mt19937& random) {
    if (amount <= 0) return;
    std::uniform_int_distribution<int> offset(0, amount - 1);
    EachPixel(*this, [&](std::uint8_t* p) {
        const int r = offset(random) - amount / 2;
        for (int c = 0; c < 3; ++c) p[c] = ClampChannel(p[c] + r);
    });
}

// Near an edge the partner row or column is folded back (height - y, width -
// x); an offset as large as a side would fold outside the picture, so such a
// picture is left alone.
void TbsEffectBmp::SplitBlur(int offset) {
    const int a = offset;
    if (a <= 0 || a >= width_ || a >= height_) return;
    for (int y = 0; y < height_; ++y) {
        const int above = y - a < 0 ? y : y - a;
        const int below = y + a >= height_ ? height_ - y : y + a;
        for (int x = 0; x < width_; ++x) {
            const int left = x - a < 0 ? x : x - a;
            const int right = x + a >= width_ ? width_ - x : x + a;
            const std::uint8_t* p[4] = {At(left, above), At(right, above), At(left, below), At(right, below)};
            std::uint8_t* out = At(x, y);
            for (int c = 0; c < 3; ++c) {
                out[c] = static_cast<std::uint8_t>((p[0][c] + p[1][c] + p[2][c] + p[3][c]) / 4);
            }
        }
    }
}

void TbsEffectBmp::Invert() {
    EachChannel(*this, [](std::uint8_t c) { return static_cast<std::uint8_t>(255 - c); });
}

void TbsEffectBmp::InactiveEffect(TbsInActiveEffect effect, std::mt19937& random) {
    switch (effect) {
        case TbsInActiveEffect::ieBrightness:
            Brightness(0.5);
            break;
        case TbsInActiveEffect::ieDarkness:
            Darkness(0.3);
            break;
        case TbsInActiveEffect::ieGrayScale:
            Grayscale();
            break;
        case TbsInActiveEffect::ieNoise:
            Noise(50, random);
            break;
        case TbsInActiveEffect::ieSplitBlur:
            SplitBlur(1);
            break;
        case TbsInActiveEffect::ieInvert:
            Invert();
            break;
    }
}

}  // namespace dsp
