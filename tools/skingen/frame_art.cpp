#include "tools/skingen/frame_art.h"

#include "tools/skingen/art_parts.h"
#include "tools/skingen/geometry.h"

namespace dsp::skingen {

namespace {

using geo::ButtonState;
using geo::CaptionButton;

Sdf WindowShape() {
    // Rounded at the top, square at the bottom: a rounded rectangle that
    // reaches far below the picture.
    const double r = geo::frame::kTopRadius;
    return RoundRectSdf(0, 0, geo::frame::kWidth, geo::frame::kHeight + 2 * r, r);
}

// The glyph of a caption button, in a cell at `r` (17 x 16).
void PaintGlyph(Bitmap& bmp, const Rect& r, CaptionButton b, bool restore, Rgb c, const Theme& t) {
    const double x = r.left, y = r.top;
    auto seg = [&](double x0, double y0, double x1, double y1, double w = 0.75) {
        PaintShape(bmp, r, SegmentSdf(x + x0, y + y0, x + x1, y + y1, w), c);
    };
    auto box = [&](double l, double tp, double rt, double bt) {
        PaintShape(bmp, r, RingSdf(RoundRectSdf(x + l, y + tp, x + rt, y + bt, 0.5), 0.5), c);
        seg(l + 0.5, tp + 1, rt - 0.5, tp + 1, 0.6);
    };
    switch (b) {
        case CaptionButton::Close:
            seg(5.5, 4.5, 11.5, 10.5, 0.85);
            seg(11.5, 4.5, 5.5, 10.5, 0.85);
            break;
        case CaptionButton::Maximize:
            if (restore) {
                // The back window shows only where the front one leaves it.
                seg(7.5, 3.5, 12.5, 3.5, 0.6);
                seg(12.5, 3.5, 12.5, 8.5, 0.5);
                seg(7.5, 3.5, 7.5, 6, 0.5);
                seg(10.5, 8.5, 12.5, 8.5, 0.5);
                box(4.5, 6.5, 10.5, 12);
            } else {
                box(4.5, 4, 12.5, 11.5);
            }
            break;
        case CaptionButton::Minimize: seg(5, 10.5, 12, 10.5, 0.9); break;
        case CaptionButton::RollUp:
            if (restore) {
                seg(5.5, 6, 8.5, 9.5);
                seg(8.5, 9.5, 11.5, 6);
            } else {
                seg(5.5, 9.5, 8.5, 6);
                seg(8.5, 6, 11.5, 9.5);
            }
            break;
        case CaptionButton::Tray:
            seg(8.5, 3.5, 8.5, 8.5);
            seg(6, 6.5, 8.5, 9);
            seg(8.5, 9, 11, 6.5);
            seg(4.5, 11.5, 12.5, 11.5, 0.8);
            break;
        default: {  // the system menu: a small control knob with a lit index
            PaintShape(bmp, r, CircleSdf(x + 8.5, y + 8, 5.5), Mix(c, t.rim, 0.55));
            PaintShape(bmp, r, RingSdf(CircleSdf(x + 8.5, y + 8, 5.5), 0.5), c);
            seg(8.5, 8, 11.3, 5.2, 0.8);
            break;
        }
    }
}

KeyLook LookOf(ButtonState s) {
    switch (s) {
        case ButtonState::Hot:
        case ButtonState::RestoreHot: return KeyLook::Hot;
        case ButtonState::Down:
        case ButtonState::RestoreDown: return KeyLook::Down;
        case ButtonState::Inactive:
        case ButtonState::RestoreInactive: return KeyLook::Inactive;
        case ButtonState::Disabled: return KeyLook::Disabled;
        default: return KeyLook::Normal;
    }
}

bool IsRestore(ButtonState s) { return s >= ButtonState::Restore; }

void PaintCaptionButton(Bitmap& bmp, const Rect& r, CaptionButton b, KeyLook look, bool restore, const Theme& t) {
    if (b == CaptionButton::SysMenu) {
        // The knob sits flat on the caption; only hot and pressed light it.
        if (look == KeyLook::Hot || look == KeyLook::Down) PaintKey(bmp, r, t, look, 3.0, false);
        const Rgb c = look == KeyLook::Inactive || look == KeyLook::Disabled ? t.dimText : t.accent;
        PaintGlyph(bmp, look == KeyLook::Down ? r.Offset(1, 1) : r, b, false, c, t);
        return;
    }
    Theme keyTheme = t;
    if (b == CaptionButton::Close && (look == KeyLook::Hot || look == KeyLook::Down)) {
        keyTheme.keyTop = {214, 72, 56};  // the close button warns in red
        keyTheme.keyBottom = {160, 36, 28};
        keyTheme.accent = {255, 120, 100};
    }
    PaintKey(bmp, r, keyTheme, look, 3.0, false);
    PaintGlyph(bmp, look == KeyLook::Down ? r.Offset(1, 1) : r, b, restore, GlyphColor(t, look), keyTheme);
}

}  // namespace

Bitmap PaintFramePicture(const Theme& t) {
    namespace f = geo::frame;
    Bitmap bmp(f::kWidth, f::kHeight, clWhite);
    const Rect all = bmp.Bounds();
    const Sdf shape = WindowShape();
    // Border face, then the caption band, then the outline.
    PaintShape(bmp, all, shape, t.captionBottom);
    PaintShape(bmp, {0, 0, f::kWidth, f::kAccentRow}, shape, VGradient(0, f::kAccentRow, t.captionTop, t.captionBottom));
    PaintShape(bmp, {0, 1, f::kWidth, 2}, RoundRectSdf(1, 1, f::kWidth - 1, f::kHeight + 20, f::kTopRadius - 1),
               t.bevelLight, 0.7);
    FillRect(bmp, {1, f::kAccentRow, f::kWidth - 1, f::kAccentRow + 1}, t.accent);
    FillRect(bmp, {1, f::kAccentRow + 1, f::kWidth - 1, f::kAccentRow + 2}, Mix(t.captionBottom, t.accent, 0.3));
    PaintShape(bmp, all, InnerRingSdf(shape, 1.2), t.rim);
    FillRect(bmp, {0, f::kHeight - 1, f::kWidth, f::kHeight}, t.rim);
    // A thin dark line round the client area, then the client face.
    const Rect c = f::kClient;
    FillRect(bmp, {c.left - 1, c.top, c.right + 1, c.bottom + 1}, t.rim);
    FillRect(bmp, c, t.chassis);
    for (int i = 0; i < int(CaptionButton::Count); ++i) {
        const auto b = CaptionButton(i);
        PaintCaptionButton(bmp, geo::CaptionButtonRect(b), b, KeyLook::Normal, false, t);
    }
    // Outside the window's shape (where the mask is white) nothing shows:
    // keep it plain white, so edges are smoothed only against the inside.
    KeyOutside(bmp, all, shape);
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            if (bmp.GetPixel(x, y) == kKeyColor) bmp.SetPixel(x, y, clWhite);
    return bmp;
}

Bitmap PaintFrameMask() {
    Bitmap mask(geo::frame::kWidth, geo::frame::kHeight, clWhite);
    KeyOutside(mask, mask.Bounds(), WindowShape());
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x) mask.SetPixel(x, y, mask.GetPixel(x, y) == kKeyColor ? clWhite : clBlack);
    return mask;
}

Bitmap PaintCaptionButtons(const Theme& t) {
    Bitmap bmp(geo::kFrameButtonsWidth, geo::kFrameButtonsHeight, ToColor(t.captionBottom));
    for (int bi = 0; bi < int(CaptionButton::Count); ++bi) {
        for (int si = 0; si < int(ButtonState::Count); ++si) {
            const auto b = CaptionButton(bi);
            const auto s = ButtonState(si);
            const Rect r = geo::CaptionButtonStateRect(b, s);
            // The caption band behind the key, as in the frame picture.
            FillRect(bmp, r, VGradient(r.top - 7, r.top - 7 + geo::frame::kAccentRow, t.captionTop, t.captionBottom));
            PaintCaptionButton(bmp, r, b, LookOf(s), IsRestore(s), t);
        }
    }
    return bmp;
}

Bitmap PaintBackgroundTile(const Theme& t) {
    Bitmap bmp(geo::kBackgroundTile, geo::kBackgroundTile, ToColor(t.chassis));
    AddNoise(bmp, bmp.Bounds(), 1.6, 0x5EED0000u + std::uint32_t(t.number));
    return bmp;
}

}  // namespace dsp::skingen
