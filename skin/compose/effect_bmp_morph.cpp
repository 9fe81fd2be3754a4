// The seven morph kinds of TbsEffectBmp.
#include <algorithm>
#include <cstring>

#include "skin/compose/channel_math.h"
#include "skin/compose/effect_bmp.h"

namespace dsp {
namespace {

constexpr double kKeep = -1.0;

void BlendPixel(std::uint8_t* self, const std::uint8_t* other, double m) {
    for (int c = 0; c < 3; ++c) self[c] = ToChannel(m * self[c] + (1.0 - m) * other[c]);
}

// Weights 0, step, 2 step, ... (at most 1) from column `from` outwards in
// direction `dir` (+1 or -1) up to and including column `last`.
void Fade(std::vector<double>& weights, int from, int last, int dir, double step) {
    for (int i = from, j = 0; dir > 0 ? i <= last : i >= last; i += dir, ++j) {
        weights[std::size_t(i)] = std::min(j * step, 1.0);
    }
}

}  // namespace

void TbsEffectBmp::BlendColumns(const TbsEffectBmp& other, const std::vector<double>& weights) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (weights[std::size_t(x)] >= 0) BlendPixel(At(x, y), other.At(x, y), weights[std::size_t(x)]);
        }
    }
}

void TbsEffectBmp::BlendRows(const TbsEffectBmp& other, const std::vector<double>& weights) {
    for (int y = 0; y < height_; ++y) {
        const double m = weights[std::size_t(y)];
        if (m < 0) continue;
        for (int x = 0; x < width_; ++x) BlendPixel(At(x, y), other.At(x, y), m);
    }
}

// The band round the centre comes from `other`; from its two ends the weight
// rises towards `self` at the edges. By columns when the picture is at least
// as wide as high, else by rows, whose fade is one pixel shorter and stays at
// `other` when that leaves no length.
void TbsEffectBmp::CentreGradient(const TbsEffectBmp& other, double k) {
    const bool byColumns = width_ >= height_;
    const int n = byColumns ? width_ : height_;
    const int b = RoundHalfEven(n * k);
    const int fade = byColumns ? (n - b) / 2 : (n - b - 1) / 2;
    const double step = fade != 0 ? 1.0 / fade : (byColumns ? 1.0 : 0.0);
    const int g = n / 2;
    const int bandStart = std::max(g - b / 2, 0);
    const int bandEnd = std::min(g + b / 2, n - 1);
    std::vector<double> weights(std::size_t(n), kKeep);
    for (int i = bandStart; i <= bandEnd; ++i) weights[std::size_t(i)] = 0.0;
    Fade(weights, bandStart, 0, -1, step);
    Fade(weights, bandEnd, n - 1, +1, step);
    if (byColumns) {
        BlendColumns(other, weights);
    } else {
        BlendRows(other, weights);
    }
}

// Left: the left b columns take the right-most b columns of `other`. Right:
// the right b columns take `other`'s first b.
void TbsEffectBmp::Slide(const TbsEffectBmp& other, double k, bool left) {
    const int b = std::min(std::max(RoundHalfEven(width_ * k), 1), width_ - 1);
    for (int y = 0; y < height_; ++y) {
        for (int i = 0; i < b; ++i) {
            const int to = left ? i : width_ - b + i;
            const int from = left ? std::min(width_ - b + i, width_ - 1) : i;
            std::memcpy(At(to, y), other.At(from, y), 3);
        }
    }
}

// Shifts the picture right by a + 1 columns and fills the a + 1 columns it
// leaves with `other`'s right-most ones.
void TbsEffectBmp::Push(const TbsEffectBmp& other, double k) {
    const int a = std::min(std::max(RoundHalfEven(width_ * k), 0), width_ - 1);
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* row = Row(y);
        std::memmove(row + std::size_t(a + 1) * 3, row, std::size_t(width_ - a - 1) * 3);
        for (int i = 0; i <= a; ++i)
            std::memcpy(At(i, y), other.At(std::min(width_ - a - 1 + i, width_ - 1), y), 3);
    }
}

void TbsEffectBmp::Morph(TbsMorphKind kind, const TbsEffectBmp& other, double k) {
    if (other.width_ != width_ || other.height_ != height_ || width_ == 0 || height_ == 0) return;
    k = ClampWeight(k);
    std::vector<double> weights(std::size_t(width_), kKeep);
    switch (kind) {
        case TbsMorphKind::mkDefault:
            BlendColumns(other, std::vector<double>(std::size_t(width_), 1.0 - k));
            break;
        case TbsMorphKind::mkGradient:
            CentreGradient(other, k);
            break;
        case TbsMorphKind::mkLeftGradient: {
            const int a = std::min(std::max(RoundHalfEven(width_ * k), 1), width_ - 1);
            Fade(weights, 0, a, +1, a > 0 ? 1.0 / a : 0.0);
            BlendColumns(other, weights);
            break;
        }
        case TbsMorphKind::mkRightGradient: {
            const int a = std::min(std::max(width_ - RoundHalfEven(width_ * k), 0), width_ - 1);
            Fade(weights, width_ - 1, a, -1, 1.0 / (width_ - a));
            BlendColumns(other, weights);
            break;
        }
        case TbsMorphKind::mkLeftSlide:
            Slide(other, k, true);
            break;
        case TbsMorphKind::mkRightSlide:
            Slide(other, k, false);
            break;
        case TbsMorphKind::mkPush:
            Push(other, k);
            break;
    }
}

}  // namespace dsp
