#include "tools/skingen/art_parts.h"

#include <algorithm>

namespace dsp::skingen {

namespace {

struct KeyColours {
    Rgb top, bottom, rim, gloss;
    double glossAlpha;
};

KeyColours ColoursFor(const Theme& t, KeyLook look) {
    switch (look) {
        case KeyLook::Hot: return {Shade(t.keyTop, 0.12), Shade(t.keyBottom, 0.08), t.rim, t.bevelLight, 0.55};
        case KeyLook::Down: return {Shade(t.keyBottom, -0.25), Shade(t.keyTop, -0.18), t.rim, t.bevelShadow, 0.0};
        case KeyLook::Disabled:
            return {Mix(t.keyBottom, t.chassis, 0.6), Mix(t.keyBottom, t.chassis, 0.8), Mix(t.rim, t.chassis, 0.5),
                    t.bevelLight, 0.12};
        case KeyLook::Inactive: return {Mix(t.keyTop, t.keyBottom, 0.5), t.keyBottom, t.rim, t.bevelLight, 0.2};
        default: return {t.keyTop, t.keyBottom, t.rim, t.bevelLight, 0.4};
    }
}

}  // namespace

Rgb GlyphColor(const Theme& t, KeyLook look) {
    switch (look) {
        case KeyLook::Hot: return {250, 250, 250};
        case KeyLook::Disabled: return Mix(t.dimText, t.chassis, 0.35);
        case KeyLook::Inactive: return t.dimText;
        default: return t.text;
    }
}

void PaintKey(Bitmap& bmp, const Rect& r, const Theme& t, KeyLook look, double radius, bool fill) {
    const KeyColours c = ColoursFor(t, look);
    if (fill) FillRect(bmp, r, t.chassis);
    const double l = r.left, tp = r.top, rt = r.right, b = r.bottom;
    PaintShape(bmp, r, RoundRectSdf(l, tp, rt, b, radius), c.rim);
    PaintShape(bmp, r, RoundRectSdf(l + 1, tp + 1, rt - 1, b - 1, radius - 1),
               VGradient(r.top + 1, r.bottom - 1, c.top, c.bottom));
    // Gloss along the top inner edge, a soft shadow along the bottom one.
    if (c.glossAlpha > 0)
        PaintShape(bmp, {r.left, r.top + 1, r.right, r.top + 2}, RoundRectSdf(l + 1, tp + 1, rt - 1, b - 1, radius - 1),
                   c.gloss, c.glossAlpha);
    PaintShape(bmp, {r.left, r.bottom - 2, r.right, r.bottom - 1},
               RoundRectSdf(l + 1, tp + 1, rt - 1, b - 1, radius - 1), t.rim, 0.35);
    if (look == KeyLook::Down)  // a pressed key shows its inner shadow at the top
        PaintShape(bmp, {r.left, r.top + 1, r.right, r.top + 3}, RoundRectSdf(l + 1, tp + 1, rt - 1, b - 1, radius - 1),
                   t.rim, 0.45);
    if (look == KeyLook::Hot || look == KeyLook::Focused)
        PaintShape(bmp, r, RingSdf(RoundRectSdf(l + 0.5, tp + 0.5, rt - 0.5, b - 0.5, radius - 0.5), 0.5), t.accent,
                   look == KeyLook::Focused ? 0.95 : 0.7);
}

void PaintLedStrip(Bitmap& bmp, const Rect& r, const Theme& t, KeyLook look) {
    if (look == KeyLook::Disabled) {
        FillRect(bmp, r, Mix(t.chassisDark, t.keyBottom, 0.5));
        return;
    }
    const double lit = look == KeyLook::Down ? 1.0 : look == KeyLook::Hot ? 0.45 : 0.12;
    const Rgb off = Mix(t.chassisDark, t.led, 0.08);
    const Rgb on = Mix(off, t.led, lit);
    FillRect(bmp, r, on);
    BlendRect(bmp, {r.left, r.top, r.right, r.top + 1}, {255, 255, 255}, 0.25 * lit);
    if (look == KeyLook::Down) {  // the lit strip glows onto the key face
        BlendRect(bmp, {r.left, r.bottom, r.right, r.bottom + 1}, t.led, 0.35);
        BlendRect(bmp, {r.left, r.bottom + 1, r.right, r.bottom + 2}, t.led, 0.12);
    }
}

void PaintField(Bitmap& bmp, const Rect& r, const Theme& t, bool hot) {
    FillRect(bmp, r, t.chassis);
    const double l = r.left, tp = r.top, rt = r.right, b = r.bottom;
    PaintShape(bmp, r, RoundRectSdf(l, tp, rt, b, 2.5), hot ? Mix(t.rim, t.accent, 0.75) : t.rim);
    FillRect(bmp, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, t.chassisDark);
    FillRect(bmp, {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2},
             VGradient(r.top + 2, r.bottom - 2, Shade(t.field, -0.1), t.field));
    BlendRect(bmp, {r.left + 2, r.top + 2, r.right - 2, r.top + 3}, t.rim, 0.3);
    if (hot) BlendRect(bmp, {r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1}, t.accent, 0.25);
}

void PaintRaisedFrame(Bitmap& bmp, const Rect& r, const Theme& t) {
    FillRect(bmp, r, t.chassis);
    FillRect(bmp, {r.left, r.top, r.right, r.top + 1}, t.rim);
    FillRect(bmp, {r.left, r.bottom - 1, r.right, r.bottom}, t.rim);
    FillRect(bmp, {r.left, r.top, r.left + 1, r.bottom}, t.rim);
    FillRect(bmp, {r.right - 1, r.top, r.right, r.bottom}, t.rim);
    FillRect(bmp, {r.left + 1, r.top + 1, r.right - 1, r.top + 2}, Mix(t.chassis, t.bevelLight, 0.7));
    FillRect(bmp, {r.left + 1, r.top + 1, r.left + 2, r.bottom - 1}, Mix(t.chassis, t.bevelLight, 0.45));
    FillRect(bmp, {r.left + 2, r.bottom - 2, r.right - 1, r.bottom - 1}, t.bevelShadow);
    FillRect(bmp, {r.right - 2, r.top + 2, r.right - 1, r.bottom - 1}, t.bevelShadow);
}

void PaintSunken(Bitmap& bmp, const Rect& r, const Theme& t) {
    FillRect(bmp, r, t.chassisDark);
    FillRect(bmp, {r.left, r.top, r.right, r.top + 1}, t.rim);
    FillRect(bmp, {r.left, r.top, r.left + 1, r.bottom}, t.rim);
    FillRect(bmp, {r.left + 1, r.bottom - 1, r.right, r.bottom}, Mix(t.chassis, t.bevelLight, 0.5));
    FillRect(bmp, {r.right - 1, r.top + 1, r.right, r.bottom}, Mix(t.chassis, t.bevelLight, 0.5));
}

void PaintArrow(Bitmap& bmp, const Rect& r, Arrow dir, Rgb c) {
    // Rows of 7, 5, 3 and 1 pixels, as the arrows of the platform's controls.
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        const int half = 3 - i;
        switch (dir) {
            case Arrow::Down: FillRect(bmp, {cx - half, cy - 2 + i, cx + half + 1, cy - 1 + i}, c); break;
            case Arrow::Up: FillRect(bmp, {cx - half, cy + 1 - i, cx + half + 1, cy + 2 - i}, c); break;
            case Arrow::Right: FillRect(bmp, {cx - 2 + i, cy - half, cx - 1 + i, cy + half + 1}, c); break;
            case Arrow::Left: FillRect(bmp, {cx + 1 - i, cy - half, cx + 2 - i, cy + half + 1}, c); break;
        }
    }
}

}  // namespace dsp::skingen
