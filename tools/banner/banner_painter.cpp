#include "tools/banner/banner_painter.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/canvas.h"

namespace dsp {
namespace {

Color Mix(Color a, Color b, double t) {
    auto channel = [t](int x, int y) {
        return std::uint8_t(std::lround(x + (y - x) * std::clamp(t, 0.0, 1.0)));
    };
    return MakeColor(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)),
                     channel(BlueOf(a), BlueOf(b)));
}

constexpr Color kPanelLight = MakeColor(0x26, 0x2C, 0x38);
constexpr Color kPanelDark = MakeColor(0x0E, 0x11, 0x18);
constexpr Color kAmber = MakeColor(0xFF, 0xB0, 0x3C);
constexpr Color kTeal = MakeColor(0x3C, 0xC8, 0xC8);

// Brushed dark metal: light from the upper left, faint horizontal grain.
void PaintBackground(Bitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const double t = 0.55 * x / bitmap.Width() + 0.45 * std::min(1.0, y / 60.0);
            Color c = Mix(kPanelLight, kPanelDark, t);
            if (y % 3 == 0) c = Mix(c, clWhite, 0.025);
            bitmap.SetPixel(x, y, c);
        }
}

// The rule under the visible strip: amber fading into teal.
void PaintRule(Canvas& canvas, int y) {
    for (int x = 0; x < kBannerWidth; ++x) {
        const double t = double(x) / kBannerVisibleWidth;
        const Color c = Mix(kAmber, kTeal, t);
        canvas.SetPixel({x, y}, Mix(c, kPanelDark, 0.15));
        canvas.SetPixel({x, y + 1}, Mix(c, kPanelDark, 0.65));
    }
}

void PaintTitle(FontEngine& fonts, Canvas& canvas) {
    TFont mark("Arial", -30, fsBold, MakeColor(0x05, 0x06, 0x09));
    fonts.TextOut(canvas, mark, {15, 1}, "DSP");
    mark.SetColor(kAmber);
    fonts.TextOut(canvas, mark, {14, 0}, "DSP");
    const int markWidth = fonts.TextExtent(mark, "DSP").cx;
    canvas.FillRect({14 + markWidth + 10, 7, 14 + markWidth + 11, 30}, Mix(kAmber, kPanelDark, 0.5));
    TFont line("Arial", -12, fsBold, MakeColor(0xC9, 0xD2, 0xDE));
    fonts.TextOut(canvas, line, {14 + markWidth + 20, 5}, "DIGITAL  EFFECT  PROCESSOR");
    line.SetStyle(0);
    line.SetHeight(-11);
    line.SetColor(MakeColor(0x7D, 0x8A, 0x9C));
    fonts.TextOut(canvas, line, {14 + markWidth + 20, 20},
                  "KARAOKE PRE-AMP  \u00B7  ECHO  \u00B7  REVERB  \u00B7  TONE");
}

// A smooth, fixed "music" level for column i: no randomness, so the picture
// is the same every time it is made.
double Level(int i) {
    const double v =
        0.55 + 0.25 * std::sin(i * 0.45) + 0.15 * std::sin(i * 1.7 + 1.0) + 0.05 * std::cos(i * 3.1);
    return std::clamp(v, 0.08, 0.97);
}

Color SegmentColor(double height, bool lit) {
    const Color c = height > 0.85   ? MakeColor(0xFF, 0x4A, 0x3A)
                    : height > 0.65 ? MakeColor(0xFF, 0xC8, 0x3C)
                                    : MakeColor(0x48, 0xE0, 0x8C);
    return lit ? c : Mix(c, kPanelDark, 0.82);
}

// LED bar meters: columns of 2-pixel segments, from `left` for `columns`.
void PaintMeters(Canvas& canvas, int left, int columns, int top, int bottom) {
    const int segments = (bottom - top) / 3;
    for (int i = 0; i < columns; ++i) {
        const int x = left + i * 6;
        const int lit = int(std::lround(Level(i) * segments));
        for (int s = 0; s < segments; ++s) {
            const int y = bottom - (s + 1) * 3;
            canvas.FillRect({x, y, x + 4, y + 2}, SegmentColor(double(s + 1) / segments, s < lit));
        }
    }
}

// A faint waveform trace between the title and the meters.
void PaintWave(Canvas& canvas, int left, int right, int middle, int amplitude) {
    Point last{left, middle};
    for (int x = left; x <= right; ++x) {
        const double fade = std::sin(M_PI * (x - left) / (right - left));
        const double y = middle + amplitude * fade * std::sin(x * 0.21) * (0.6 + 0.4 * std::sin(x * 0.043));
        const Point next{x, int(std::lround(y))};
        canvas.DrawLine(last, next, Mix(kTeal, kPanelDark, 0.45));
        last = next;
    }
}

}  // namespace

Bitmap PaintBanner(FontEngine& fonts) {
    Bitmap bitmap(kBannerWidth, kBannerHeight);
    PaintBackground(bitmap);
    Canvas canvas(bitmap);
    PaintRule(canvas, kBannerVisibleHeight - 2);
    PaintTitle(fonts, canvas);
    PaintWave(canvas, 330, 470, 18, 9);
    PaintMeters(canvas, 484, 34, 4, 33);
    // Below the strip the panel goes on: a larger meter bridge.
    PaintMeters(canvas, 14, 164, 48, 150);
    return bitmap;
}

}  // namespace dsp
