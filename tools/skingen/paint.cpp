#include "tools/skingen/paint.h"

#include <algorithm>
#include <cmath>

namespace dsp::skingen {

namespace {

int Channel(double v) { return std::clamp(int(std::lround(v)), 0, 255); }

double Coverage(double distance) { return std::clamp(0.5 - distance, 0.0, 1.0); }

// A small integer hash (no state), so noise depends only on its inputs.
std::uint32_t Hash(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

}  // namespace

Color ToColor(Rgb c) { return MakeColor(Channel(c.r), Channel(c.g), Channel(c.b)); }

Rgb FromColor(Color c) { return {double(RedOf(c)), double(GreenOf(c)), double(BlueOf(c))}; }

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Shade(Rgb c, double amount) {
    return amount >= 0 ? Mix(c, Rgb{255, 255, 255}, amount) : Mix(c, Rgb{0, 0, 0}, -amount);
}

void BlendPixel(Bitmap& bmp, int x, int y, Rgb c, double alpha) {
    if (x < 0 || y < 0 || x >= bmp.Width() || y >= bmp.Height() || alpha <= 0) return;
    const Rgb old = FromColor(bmp.GetPixel(x, y));
    bmp.SetPixel(x, y, ToColor(Mix(old, c, std::min(alpha, 1.0))));
}

Sdf RoundRectSdf(double left, double top, double right, double bottom, double radius) {
    const double cx = (left + right) / 2, cy = (top + bottom) / 2;
    const double hx = (right - left) / 2, hy = (bottom - top) / 2;
    return [=](double x, double y) {
        const double qx = std::fabs(x - cx) - hx + radius;
        const double qy = std::fabs(y - cy) - hy + radius;
        const double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
        return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - radius;
    };
}

Sdf CircleSdf(double cx, double cy, double radius) {
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; };
}

Sdf SegmentSdf(double x0, double y0, double x1, double y1, double halfWidth) {
    return [=](double x, double y) {
        const double dx = x1 - x0, dy = y1 - y0;
        const double len2 = dx * dx + dy * dy;
        const double t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0, 1.0) : 0.0;
        return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) - halfWidth;
    };
}

Sdf RingSdf(const Sdf& shape, double halfWidth) {
    return [=](double x, double y) { return std::fabs(shape(x, y)) - halfWidth; };
}

Sdf InnerRingSdf(const Sdf& shape, double width) {
    return [=](double x, double y) { return std::fabs(shape(x, y) + width / 2) - width / 2; };
}

void PaintShape(Bitmap& bmp, const Rect& clip, const Sdf& shape, const Shader& shader, double alpha) {
    const Rect r = Intersect(clip, bmp.Bounds());
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const double cover = Coverage(shape(x + 0.5, y + 0.5));
            if (cover > 0) BlendPixel(bmp, x, y, shader(x, y), cover * alpha);
        }
}

void PaintShape(Bitmap& bmp, const Rect& clip, const Sdf& shape, Rgb color, double alpha) {
    PaintShape(bmp, clip, shape, [color](int, int) { return color; }, alpha);
}

Shader VGradient(int y0, int y1, Rgb top, Rgb bottom) {
    return [=](int, int y) {
        const double span = std::max(1, y1 - y0 - 1);
        return Mix(top, bottom, std::clamp((y - y0) / span, 0.0, 1.0));
    };
}

Shader HGradient(int x0, int x1, Rgb left, Rgb right) {
    return [=](int x, int) {
        const double span = std::max(1, x1 - x0 - 1);
        return Mix(left, right, std::clamp((x - x0) / span, 0.0, 1.0));
    };
}

void FillRect(Bitmap& bmp, const Rect& r, Rgb c) {
    FillRect(bmp, r, [c](int, int) { return c; });
}

void FillRect(Bitmap& bmp, const Rect& r, const Shader& shader) {
    const Rect clipped = Intersect(r, bmp.Bounds());
    for (int y = clipped.top; y < clipped.bottom; ++y)
        for (int x = clipped.left; x < clipped.right; ++x) bmp.SetPixel(x, y, ToColor(shader(x, y)));
}

void BlendRect(Bitmap& bmp, const Rect& r, Rgb c, double alpha) {
    const Rect clipped = Intersect(r, bmp.Bounds());
    for (int y = clipped.top; y < clipped.bottom; ++y)
        for (int x = clipped.left; x < clipped.right; ++x) BlendPixel(bmp, x, y, c, alpha);
}

void KeyOutside(Bitmap& bmp, const Rect& r, const Sdf& shape) {
    const Rect clipped = Intersect(r, bmp.Bounds());
    for (int y = clipped.top; y < clipped.bottom; ++y)
        for (int x = clipped.left; x < clipped.right; ++x)
            if (Coverage(shape(x + 0.5, y + 0.5)) < 0.5) bmp.SetPixel(x, y, kKeyColor);
}

void AddNoise(Bitmap& bmp, const Rect& r, double amplitude, std::uint32_t seed) {
    const Rect clipped = Intersect(r, bmp.Bounds());
    for (int y = clipped.top; y < clipped.bottom; ++y)
        for (int x = clipped.left; x < clipped.right; ++x) {
            const std::uint32_t h = Hash(seed ^ Hash(std::uint32_t(x) * 73856093u ^ std::uint32_t(y) * 19349663u));
            const double n = (double(h & 0xFFFF) / 65535.0 * 2 - 1) * amplitude;
            Rgb c = FromColor(bmp.GetPixel(x, y));
            bmp.SetPixel(x, y, ToColor({c.r + n, c.g + n, c.b + n}));
        }
}

void Blit(Bitmap& dst, Point at, const Bitmap& src, const Rect& srcRect) {
    for (int y = srcRect.top; y < srcRect.bottom; ++y)
        for (int x = srcRect.left; x < srcRect.right; ++x)
            dst.SetPixel(at.x + x - srcRect.left, at.y + y - srcRect.top, src.GetPixel(x, y));
}

}  // namespace dsp::skingen
