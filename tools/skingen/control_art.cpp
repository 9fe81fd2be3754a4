#include "tools/skingen/control_art.h"

#include "tools/skingen/art_parts.h"
#include "tools/skingen/geometry.h"

namespace dsp::skingen {

namespace {

Rect Within(const Rect& image, const Rect& part) { return part.Offset(image.left, image.top); }

void PaintButtons(Bitmap& bmp, const Theme& t) {
    namespace g = geo::button;
    const std::pair<Rect, KeyLook> cells[] = {{g::kNormal, KeyLook::Normal}, {g::kHot, KeyLook::Hot},
                                              {g::kDown, KeyLook::Down},     {g::kFocused, KeyLook::Focused},
                                              {g::kDisabled, KeyLook::Disabled}};
    for (const auto& [r, look] : cells) {
        PaintKey(bmp, r, t, look);
        if (t.ledKeys) PaintLedStrip(bmp, {r.left + 5, r.top + 3, r.right - 5, r.top + 5}, t, look);
    }
}

// A display field with one key (or two stacked keys) at its right end.
void PaintFieldWithKeys(Bitmap& bmp, const Rect& body, const Theme& t, bool hot, const Rect& key1,
                        const Rect* key2, Arrow a1, Arrow a2) {
    PaintField(bmp, body, t, hot);
    const Rect k1 = Within(body, key1);
    FillRect(bmp, {k1.left - 1, body.top + 1, body.right - 1, body.bottom - 1}, t.chassisDark);
    PaintKey(bmp, k1, t, KeyLook::Normal, 2.0);
    PaintArrow(bmp, k1, a1, t.text);
    if (key2) {
        const Rect k2 = Within(body, *key2);
        PaintKey(bmp, k2, t, KeyLook::Normal, 2.0);
        PaintArrow(bmp, k2, a2, t.text);
    }
}

void PaintKeyStates(Bitmap& bmp, const Theme& t, Arrow arrow, std::initializer_list<std::pair<Rect, KeyLook>> cells) {
    for (const auto& [r, look] : cells) {
        FillRect(bmp, r, t.chassisDark);
        PaintKey(bmp, r, t, look, 2.0);
        const Rect glyph = look == KeyLook::Down ? r.Offset(1, 1) : r;
        PaintArrow(bmp, glyph, arrow, GlyphColor(t, look));
    }
}

void PaintItems(Bitmap& bmp, const Theme& t, const Rect& item, const Rect& active, const Rect& focus) {
    FillRect(bmp, item, t.field);
    FillRect(bmp, active, Mix(t.field, t.accent, 0.22));
    FillRect(bmp, focus, VGradient(focus.top, focus.bottom, Shade(t.accent, 0.15), Shade(t.accent, -0.08)));
    BlendRect(bmp, {focus.left, focus.top, focus.right, focus.top + 1}, {255, 255, 255}, 0.35);
}

void PaintCombos(Bitmap& bmp, const Theme& t) {
    {
        namespace g = geo::combobox;
        PaintFieldWithKeys(bmp, g::kBody, t, false, g::kButton, nullptr, Arrow::Down, Arrow::Down);
        PaintFieldWithKeys(bmp, g::kActive, t, true, g::kButton, nullptr, Arrow::Down, Arrow::Down);
        PaintKeyStates(bmp, t, Arrow::Down,
                       {{g::kButtonHot, KeyLook::Hot}, {g::kButtonDown, KeyLook::Down},
                        {g::kButtonDisabled, KeyLook::Disabled}});
        PaintItems(bmp, t, g::kItem, g::kItemActive, g::kItemFocus);
    }
    {
        namespace g = geo::statuscombobox;
        PaintFieldWithKeys(bmp, g::kBody, t, false, g::kButton, nullptr, Arrow::Down, Arrow::Down);
        PaintFieldWithKeys(bmp, g::kActive, t, true, g::kButton, nullptr, Arrow::Down, Arrow::Down);
        PaintKeyStates(bmp, t, Arrow::Down,
                       {{g::kButtonHot, KeyLook::Hot}, {g::kButtonDown, KeyLook::Down},
                        {g::kButtonDisabled, KeyLook::Disabled}});
        PaintItems(bmp, t, g::kItem, g::kItemActive, g::kItemFocus);
    }
}

void PaintSpinEdit(Bitmap& bmp, const Theme& t) {
    namespace g = geo::spinedit;
    PaintFieldWithKeys(bmp, g::kBody, t, false, g::kUp, &g::kDown, Arrow::Up, Arrow::Down);
    PaintFieldWithKeys(bmp, g::kActive, t, true, g::kUp, &g::kDown, Arrow::Up, Arrow::Down);
    PaintKeyStates(bmp, t, Arrow::Up, {{g::kUpHot, KeyLook::Hot}, {g::kUpPressed, KeyLook::Down}});
    PaintKeyStates(bmp, t, Arrow::Down, {{g::kDownHot, KeyLook::Hot}, {g::kDownPressed, KeyLook::Down}});
}

void PaintEdit(Bitmap& bmp, const Theme& t) {
    PaintField(bmp, geo::edit::kBody, t, false);
    PaintField(bmp, geo::edit::kActive, t, true);
}

void PaintPanels(Bitmap& bmp, const Theme& t) {
    PaintRaisedFrame(bmp, geo::panel::kBody, t);

    const Rect gb = geo::groupbox::kBody;
    PaintRaisedFrame(bmp, gb, t);
    const Rect strip = {gb.left + 2, gb.top + 2, gb.right - 2, gb.top + geo::groupbox::kStripHeight};
    FillRect(bmp, strip, VGradient(strip.top, strip.bottom, Mix(t.captionTop, t.chassis, 0.3), t.captionBottom));
    FillRect(bmp, {strip.left, strip.bottom, strip.right, strip.bottom + 1}, Mix(t.rim, t.accent, 0.55));

    const Rect lb = geo::listbox::kBody;
    FillRect(bmp, lb, t.rim);
    FillRect(bmp, {lb.left + 1, lb.top + 1, lb.right - 1, lb.bottom - 1}, t.chassisDark);
    FillRect(bmp, Within(lb, geo::listbox::kAnchors.client), t.field);
    PaintItems(bmp, t, geo::listbox::kItem, geo::listbox::kItemActive, geo::listbox::kItemFocus);

    const Rect sb = geo::statusbar::kBody;
    FillRect(bmp, sb, VGradient(sb.top, sb.bottom, t.captionBottom, Shade(t.captionBottom, -0.3)));
    FillRect(bmp, {sb.left, sb.top, sb.right, sb.top + 1}, Mix(t.chassis, t.bevelLight, 0.6));

    const Rect sp = geo::statuspanel::kBody;
    FillRect(bmp, sp, VGradient(sp.top, sp.bottom, t.captionBottom, Shade(t.captionBottom, -0.3)));
    PaintSunken(bmp, {sp.left + 1, sp.top + 2, sp.right - 1, sp.bottom - 1}, t);
}

void PaintScrollBars(Bitmap& bmp, const Theme& t) {
    {
        namespace g = geo::vscrollbar;
        FillRect(bmp, g::kBody, t.chassisDark);
        FillRect(bmp, {g::kBody.left + 7, g::kBody.top + 17, g::kBody.left + 9, g::kBody.bottom - 17}, t.rim);
        PaintKey(bmp, Within(g::kBody, g::kUp), t, KeyLook::Normal, 2.0);
        PaintArrow(bmp, Within(g::kBody, g::kUp), Arrow::Up, t.text);
        PaintKey(bmp, Within(g::kBody, g::kDown), t, KeyLook::Normal, 2.0);
        PaintArrow(bmp, Within(g::kBody, g::kDown), Arrow::Down, t.text);
        PaintKeyStates(bmp, t, Arrow::Up, {{g::kUpHot, KeyLook::Hot}, {g::kUpPressed, KeyLook::Down}});
        PaintKeyStates(bmp, t, Arrow::Down, {{g::kDownHot, KeyLook::Hot}, {g::kDownPressed, KeyLook::Down}});
        for (auto [r, look] : {std::pair{g::kThumb, KeyLook::Normal}, std::pair{g::kThumbHot, KeyLook::Hot},
                               std::pair{g::kThumbDown, KeyLook::Down}}) {
            PaintKey(bmp, r, t, look, 2.0);
            for (int i = -1; i <= 1; ++i)
                FillRect(bmp, {r.left + 3, r.top + 9 + 2 * i, r.right - 3, r.top + 10 + 2 * i}, t.rim);
        }
    }
    {
        namespace g = geo::hscrollbar;
        FillRect(bmp, g::kBody, t.chassisDark);
        FillRect(bmp, {g::kBody.left + 17, g::kBody.top + 7, g::kBody.right - 17, g::kBody.top + 9}, t.rim);
        PaintKey(bmp, Within(g::kBody, g::kLeft), t, KeyLook::Normal, 2.0);
        PaintArrow(bmp, Within(g::kBody, g::kLeft), Arrow::Left, t.text);
        PaintKey(bmp, Within(g::kBody, g::kRight), t, KeyLook::Normal, 2.0);
        PaintArrow(bmp, Within(g::kBody, g::kRight), Arrow::Right, t.text);
        PaintKeyStates(bmp, t, Arrow::Left, {{g::kLeftHot, KeyLook::Hot}, {g::kLeftPressed, KeyLook::Down}});
        PaintKeyStates(bmp, t, Arrow::Right, {{g::kRightHot, KeyLook::Hot}, {g::kRightPressed, KeyLook::Down}});
        for (auto [r, look] : {std::pair{g::kThumb, KeyLook::Normal}, std::pair{g::kThumbHot, KeyLook::Hot},
                               std::pair{g::kThumbDown, KeyLook::Down}}) {
            PaintKey(bmp, r, t, look, 2.0);
            for (int i = -1; i <= 1; ++i)
                FillRect(bmp, {r.left + 9 + 2 * i, r.top + 3, r.left + 10 + 2 * i, r.bottom - 3}, t.rim);
        }
    }
}

// A thumb (fader cap or slider knob) on the key colour, with everything
// outside its outline set to the transparent key colour.
void PaintCap(Bitmap& bmp, const Rect& r, const Theme& t, bool hot, bool vertical) {
    const double l = r.left, tp = r.top, rt = r.right, b = r.bottom;
    const Sdf outline = RoundRectSdf(l, tp, rt, b, 2.5);
    FillRect(bmp, r, t.chassis);
    PaintShape(bmp, r, outline, t.rim);
    const Rgb top = hot ? Shade(t.keyTop, 0.25) : Shade(t.keyTop, 0.1);
    const Rgb bottom = hot ? Shade(t.keyBottom, 0.1) : t.keyBottom;
    const Sdf face = RoundRectSdf(l + 1, tp + 1, rt - 1, b - 1, 1.5);
    if (vertical)
        PaintShape(bmp, r, face, VGradient(r.top + 1, r.bottom - 1, top, bottom));
    else
        PaintShape(bmp, r, face, HGradient(r.left + 1, r.right - 1, top, bottom));
    const Rgb line = hot ? t.accent : Shade(t.text, 0.1);
    if (vertical) {  // ridges and the centre index line, across the cap
        const int cy = (r.top + r.bottom) / 2;
        FillRect(bmp, {r.left + 2, r.top + 2, r.right - 2, r.top + 3}, Mix(top, t.bevelLight, 0.6));
        FillRect(bmp, {r.left + 2, cy, r.right - 2, cy + 1}, line);
        FillRect(bmp, {r.left + 2, r.bottom - 3, r.right - 2, r.bottom - 2}, Shade(bottom, -0.3));
    } else {
        const int cx = (r.left + r.right) / 2;
        FillRect(bmp, {r.left + 2, r.top + 2, r.left + 3, r.bottom - 2}, Mix(top, t.bevelLight, 0.6));
        FillRect(bmp, {cx, r.top + 2, cx + 1, r.bottom - 2}, line);
        FillRect(bmp, {r.right - 3, r.top + 2, r.right - 2, r.bottom - 2}, Shade(bottom, -0.3));
    }
    KeyOutside(bmp, r, outline);
}

// A slider ruler: a rounded groove on the transparent key colour (the
// slider keys its ruler by the bottom-left pixel, which stays key).
void PaintRuler(Bitmap& bmp, const Rect& r, const Theme& t) {
    const double l = r.left, tp = r.top, rt = r.right, b = r.bottom;
    const Sdf groove = RoundRectSdf(l, tp, rt, b, 3.0);
    FillRect(bmp, r, t.chassis);
    PaintShape(bmp, r, groove, t.rim);
    PaintShape(bmp, r, RoundRectSdf(l + 1, tp + 1, rt - 1, b - 1, 2.0), t.chassisDark);
    KeyOutside(bmp, r, groove);
    bmp.SetPixel(r.left, r.bottom - 1, kKeyColor);
}

void PaintSlider(Bitmap& bmp, const Theme& t) {
    namespace g = geo::slider;
    PaintRuler(bmp, g::kHRuler, t);
    PaintRuler(bmp, g::kVRuler, t);
    const int hw = g::kHThumb.Width() / 2, vw = g::kVThumb.Width() / 2;
    PaintCap(bmp, {g::kHThumb.left, g::kHThumb.top, g::kHThumb.left + hw, g::kHThumb.bottom}, t, false, false);
    PaintCap(bmp, {g::kHThumb.left + hw, g::kHThumb.top, g::kHThumb.right, g::kHThumb.bottom}, t, true, false);
    PaintCap(bmp, {g::kVThumb.left, g::kVThumb.top, g::kVThumb.left + vw, g::kVThumb.bottom}, t, false, true);
    PaintCap(bmp, {g::kVThumb.left + vw, g::kVThumb.top, g::kVThumb.right, g::kVThumb.bottom}, t, true, true);
}

// A fader body: chassis, scale ticks beside a slot; `lit` fills the slot with
// the accent (the level below the cap). Ticks only in the repeated middle, so
// the scale stays even however long the fader is.
void PaintFaderBody(Bitmap& bmp, const Rect& r, const Theme& t, bool lit, bool vertical) {
    FillRect(bmp, r, t.chassis);
    const int len = vertical ? r.Height() : r.Width();
    const int midStart = vertical ? geo::trackbar::kAnchors.leftTop.y : geo::htrackbar::kAnchors.leftTop.x;
    const int midEnd = vertical ? geo::trackbar::kAnchors.leftBottom.y : geo::htrackbar::kAnchors.rightTop.x;
    const Rgb tick = Mix(t.chassis, t.dimText, 0.8);
    for (int i = midStart; i < midEnd; i += geo::trackbar::kTickPeriod) {
        if (vertical) {
            FillRect(bmp, {r.left + 2, r.top + i, r.left + 6, r.top + i + 1}, tick);
            FillRect(bmp, {r.right - 6, r.top + i, r.right - 2, r.top + i + 1}, tick);
        } else {
            FillRect(bmp, {r.left + i, r.top + 2, r.left + i + 1, r.top + 6}, tick);
            FillRect(bmp, {r.left + i, r.bottom - 6, r.left + i + 1, r.bottom - 2}, tick);
        }
    }
    const Rect slot = vertical ? Rect{r.left + 8, r.top + 4, r.left + 12, r.top + len - 4}
                               : Rect{r.left + 4, r.top + 8, r.left + len - 4, r.top + 12};
    const double sl = slot.left, st = slot.top, sr = slot.right, sb = slot.bottom;
    if (lit) PaintShape(bmp, r, RoundRectSdf(sl - 1, st - 1, sr + 1, sb + 1, 3.0), t.accent, 0.3);
    PaintShape(bmp, r, RoundRectSdf(sl, st, sr, sb, 2.0), t.rim);
    const Rgb inner = lit ? t.accent : t.chassisDark;
    const Rgb innerEdge = lit ? Shade(t.accent, 0.45) : Mix(t.chassisDark, t.bevelLight, 0.3);
    const Shader fill = vertical ? HGradient(slot.left + 1, slot.right - 1, innerEdge, inner)
                                 : VGradient(slot.top + 1, slot.bottom - 1, innerEdge, inner);
    PaintShape(bmp, r, RoundRectSdf(sl + 1, st + 1, sr - 1, sb - 1, 1.0), fill);
}

void PaintFaders(Bitmap& bmp, const Theme& t) {
    PaintFaderBody(bmp, geo::trackbar::kBody, t, false, true);
    PaintFaderBody(bmp, geo::trackbar::kActive, t, true, true);
    PaintCap(bmp, geo::trackbar::kThumb, t, false, true);
    PaintCap(bmp, geo::trackbar::kThumbHot, t, true, true);
    PaintFaderBody(bmp, geo::htrackbar::kBody, t, false, false);
    PaintFaderBody(bmp, geo::htrackbar::kActive, t, true, false);
    PaintCap(bmp, geo::htrackbar::kThumb, t, false, false);
    PaintCap(bmp, geo::htrackbar::kThumbHot, t, true, false);
}

}  // namespace

Bitmap PaintControlAtlas(const Theme& theme) {
    Bitmap bmp(geo::kAtlasWidth, geo::kAtlasHeight, ToColor(theme.chassis));
    PaintButtons(bmp, theme);
    PaintCombos(bmp, theme);
    PaintSpinEdit(bmp, theme);
    PaintEdit(bmp, theme);
    PaintPanels(bmp, theme);
    PaintScrollBars(bmp, theme);
    PaintSlider(bmp, theme);
    PaintFaders(bmp, theme);
    return bmp;
}

}  // namespace dsp::skingen
