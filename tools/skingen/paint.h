#pragma once
// Drawing helpers for the skin generator: shapes are described by signed
// distance functions and sampled at pixel centres, which gives smooth,
// anti-aliased edges without a rasteriser of our own. Everything here is
// deterministic (no time, no global random state), so the same sources
// always produce the same pictures.

#include <cstdint>
#include <functional>

#include "platform/graphics/bitmap.h"

namespace dsp::skingen {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

Color ToColor(Rgb c);
Rgb FromColor(Color c);
Rgb Mix(Rgb a, Rgb b, double t);   // t = 0 gives a, 1 gives b
Rgb Shade(Rgb c, double amount);  // amount > 0 lightens toward white, < 0 darkens

// The transparent key colour of thumbs and rulers: magenta.
inline constexpr Color kKeyColor = 0xFF00FF;

// Blends `c` into one pixel with the given opacity (0..1).
void BlendPixel(Bitmap& bmp, int x, int y, Rgb c, double alpha);

// Signed distance: negative inside the shape, in pixels.
using Sdf = std::function<double(double x, double y)>;
Sdf RoundRectSdf(double left, double top, double right, double bottom, double radius);
Sdf CircleSdf(double cx, double cy, double radius);
Sdf SegmentSdf(double x0, double y0, double x1, double y1, double halfWidth);
Sdf RingSdf(const Sdf& shape, double halfWidth);  // the outline of a shape
// The outline's inner band, `width` pixels wide, wholly inside the shape.
Sdf InnerRingSdf(const Sdf& shape, double width);

// Paints a shape inside `clip`; the colour may vary with the pixel (shader).
using Shader = std::function<Rgb(int x, int y)>;
void PaintShape(Bitmap& bmp, const Rect& clip, const Sdf& shape, const Shader& shader, double alpha = 1.0);
void PaintShape(Bitmap& bmp, const Rect& clip, const Sdf& shape, Rgb color, double alpha = 1.0);

// A vertical gradient shader from `top` at y0 to `bottom` at y1.
Shader VGradient(int y0, int y1, Rgb top, Rgb bottom);
Shader HGradient(int x0, int x1, Rgb left, Rgb right);

void FillRect(Bitmap& bmp, const Rect& r, Rgb c);
void FillRect(Bitmap& bmp, const Rect& r, const Shader& shader);
void BlendRect(Bitmap& bmp, const Rect& r, Rgb c, double alpha);

// Sets every pixel of `r` that lies outside `shape` (coverage below half) to
// the key colour, so the picture can be drawn with that transparent colour.
void KeyOutside(Bitmap& bmp, const Rect& r, const Sdf& shape);

// Fine deterministic noise, +-amplitude per channel, keyed by `seed`.
void AddNoise(Bitmap& bmp, const Rect& r, double amplitude, std::uint32_t seed);

// Copies `src` of one bitmap into another at `dst`.
void Blit(Bitmap& dst, Point at, const Bitmap& src, const Rect& srcRect);

}  // namespace dsp::skingen
