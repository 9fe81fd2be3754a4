#include "tools/icon/icon_art.h"

#include <algorithm>
#include <cstdio>

namespace dsp {
namespace {

constexpr double kUnits = 256.0;
constexpr int kSamples = 4;  // per pixel side

struct Rgb {
    int r, g, b;
};

// A rounded rectangle, filled with one colour or a top-to-bottom gradient.
struct Shape {
    double x, y, w, h, radius;
    Rgb top;
    Rgb bottom;
};

constexpr Rgb kPanelTop{0x35, 0x5C, 0x9A};
constexpr Rgb kPanelBottom{0x14, 0x22, 0x42};
constexpr Rgb kSlot{0x0A, 0x10, 0x20};
constexpr Rgb kKnob{0xF4, 0xB4, 0x3C};
constexpr Rgb kKnobLine{0x7A, 0x4A, 0x08};

// Painted in order.
constexpr Shape kShapes[] = {
    {16, 16, 224, 224, 44, kPanelTop, kPanelBottom},
    // Fader slots.
    {58, 48, 12, 160, 6, kSlot, kSlot},
    {122, 48, 12, 160, 6, kSlot, kSlot},
    {186, 48, 12, 160, 6, kSlot, kSlot},
    // Knobs, with a line across each.
    {40, 138, 48, 26, 7, kKnob, kKnob},
    {104, 78, 48, 26, 7, kKnob, kKnob},
    {168, 112, 48, 26, 7, kKnob, kKnob},
    {44, 149, 40, 4, 2, kKnobLine, kKnobLine},
    {108, 89, 40, 4, 2, kKnobLine, kKnobLine},
    {172, 123, 40, 4, 2, kKnobLine, kKnobLine},
};

bool Inside(const Shape& s, double x, double y) {
    if (x < s.x || y < s.y || x >= s.x + s.w || y >= s.y + s.h) return false;
    // Distance into the corner square, if the point lies in one.
    const double cx = std::clamp(x, s.x + s.radius, s.x + s.w - s.radius);
    const double cy = std::clamp(y, s.y + s.radius, s.y + s.h - s.radius);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= s.radius * s.radius;
}

Rgb ColourAt(const Shape& s, double y) {
    const double t = std::clamp((y - s.y) / s.h, 0.0, 1.0);
    auto mix = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
    return {mix(s.top.r, s.bottom.r), mix(s.top.g, s.bottom.g), mix(s.top.b, s.bottom.b)};
}

// One sample point: the colour of the topmost shape there, or none.
bool Sample(double x, double y, Rgb* colour) {
    bool hit = false;
    for (const Shape& s : kShapes) {
        if (!Inside(s, x, y)) continue;
        *colour = ColourAt(s, y);
        hit = true;
    }
    return hit;
}

Pixel PaintPixel(int px, int py, double scale) {
    int r = 0, g = 0, b = 0, covered = 0;
    for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
            Rgb c{};
            if (!Sample((px + (sx + 0.5) / kSamples) * scale, (py + (sy + 0.5) / kSamples) * scale, &c))
                continue;
            r += c.r;
            g += c.g;
            b += c.b;
            ++covered;
        }
    }
    if (covered == 0) return 0;
    const int alpha = covered * 255 / (kSamples * kSamples);
    // Colour averaged over the covered samples; coverage goes into alpha.
    const Pixel rgb = (Pixel(r / covered) << 16) | (Pixel(g / covered) << 8) | Pixel(b / covered);
    return (Pixel(alpha) << 24) | rgb;
}

std::string Hex(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

}  // namespace

Bitmap PaintIcon(int size) {
    Bitmap picture(size, size);
    const double scale = kUnits / size;
    for (int y = 0; y < size; ++y) {
        Pixel* row = picture.Row(y);
        for (int x = 0; x < size; ++x) row[x] = PaintPixel(x, y, scale);
    }
    return picture;
}

std::string IconSvg() {
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
        "  <title>dsp-panel</title>\n";
    int gradients = 0;
    for (const Shape& s : kShapes) {
        std::string fill = Hex(s.top);
        if (Hex(s.top) != Hex(s.bottom)) {
            const std::string id = "g" + std::to_string(gradients++);
            svg += "  <linearGradient id=\"" + id + "\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">" +
                   "<stop offset=\"0\" stop-color=\"" + Hex(s.top) + "\"/><stop offset=\"1\" stop-color=\"" +
                   Hex(s.bottom) + "\"/></linearGradient>\n";
            fill = "url(#" + id + ")";
        }
        svg += "  <rect x=\"" + Number(s.x) + "\" y=\"" + Number(s.y) + "\" width=\"" + Number(s.w) +
               "\" height=\"" + Number(s.h) + "\" rx=\"" + Number(s.radius) + "\" fill=\"" + fill + "\"/>\n";
    }
    return svg + "</svg>\n";
}

}  // namespace dsp
