#include "controls/look/button_skin_painter.h"

#include <algorithm>
#include <cmath>

#include "controls/look/default_look.h"
#include "controls/look/text_paint.h"
#include "controls/model/morph_animator.h"
#include "skin/compose/channel_math.h"
#include "skin/compose/effect_bmp.h"
#include "skin/compose/state_cell.h"

namespace dsp {

Rect ButtonPictureRect(const TbsDataSkinButtonControl& s, ButtonPicture picture) {
    const Rect normal = SkinRect(s.SkinRect);
    const Rect active = SkinRectEmpty(s.ActiveSkinRect) ? normal : SkinRect(s.ActiveSkinRect);
    switch (picture) {
        case ButtonPicture::Disabled:
            return SkinRect(s.DisabledSkinRect);
        case ButtonPicture::Down:
            return SkinRectEmpty(s.DownSkinRect) ? active : SkinRect(s.DownSkinRect);
        case ButtonPicture::Focused:
            return SkinRect(s.FocusedSkinRect);
        case ButtonPicture::Active:
            return active;
        case ButtonPicture::Normal:
            break;
    }
    return normal;
}

Color ButtonFontColor(const TbsDataSkinButtonControl& s, ButtonPicture picture, bool enabled) {
    if (!enabled) return SkinColor(s.DisabledFontColor);
    switch (picture) {
        case ButtonPicture::Down:
            return SkinColor(s.DownFontColor);
        case ButtonPicture::Focused:
        case ButtonPicture::Active:
            return SkinColor(s.ActiveFontColor);
        default:
            return SkinColor(s.FontColor);
    }
}

Bitmap ButtonBody(const ButtonSkinParts& parts, Size size, ButtonPicture which) {
    Bitmap out(size.cx, size.cy, clBlack);
    Canvas canvas(out);
    DrawSkinBody(canvas, parts.picture, parts.body, ButtonPictureRect(parts.section, which), size.cx,
                 size.cy);
    return out;
}

namespace {

// The caption goes in the client rectangle. A caption a little wider than
// it on one line may use the button's whole width rather than break inside
// a word (a selector's "MIC+MUSIC").
Rect ButtonCaptionRect(FontEngine& fonts, const Rect& client, const ButtonSkinVisual& v, bool down) {
    const Size size = v.size;
    Rect r = client;
    const int wide = v.captionLayout ? v.captionLayout->Extent(fonts, v.font, v.caption)
                                     : fonts.TextExtent(v.font, v.caption).cx;
    if (wide > r.Width() && v.caption.find(' ') == std::string::npos) {
        const int w = std::min(wide, size.cx);
        r.left = (size.cx - w) / 2;
        r.right = r.left + w;
    }
    return down ? r.Offset(1, 1) : r;
}

// The plain fade at a whole step mixes the two bodies straight into the
// canvas: the same rounding as the effect bitmap's blend (a fifth never
// leaves a half), without its copies. Other kinds take the effect bitmap.
void PaintBlend(Canvas& canvas, const ButtonSkinVisual& v, const ButtonSkinParts& parts) {
    const Size size = v.size;
    const int step = RoundHalfEven(v.k * MorphAnimator::kSteps);
    const bool whole = std::abs(v.k * MorphAnimator::kSteps - step) < 1e-9;
    const bool cached = v.normalBody != nullptr && v.activeBody != nullptr &&
                        v.normalBody->Width() == size.cx && v.normalBody->Height() == size.cy;
    if (parts.section.MorphKind == TbsMorphKind::mkDefault && whole) {
        if (cached) return canvas.DrawMix({0, 0}, *v.normalBody, *v.activeBody, step, MorphAnimator::kSteps);
        canvas.DrawMix({0, 0}, ButtonBody(parts, size, ButtonPicture::Normal),
                       ButtonBody(parts, size, ButtonPicture::Active), step, MorphAnimator::kSteps);
        return;
    }
    TbsEffectBmp blend(cached ? *v.normalBody : ButtonBody(parts, size, ButtonPicture::Normal));
    blend.Morph(parts.section.MorphKind,
                TbsEffectBmp(cached ? *v.activeBody : ButtonBody(parts, size, ButtonPicture::Active)), v.k);
    blend.Draw(canvas, {0, 0});
}

}  // namespace

bool PaintsMorphStep(const ButtonSkinVisual& v) {
    // The down and disabled pictures stand as they are; hover animations
    // only play between the normal and active looks.
    const bool still = v.picture == ButtonPicture::Disabled || v.picture == ButtonPicture::Down || !v.enabled;
    return v.blending && v.frame <= 0 && !still;
}

void PaintButtonSkin(LookContext& look, const ButtonSkinVisual& v, const ButtonSkinParts& parts) {
    const auto& [picture, s, body] = parts;
    const Size size = v.size;
    Canvas& canvas = look.canvas;
    const bool down = v.picture == ButtonPicture::Down;
    const bool still = v.picture == ButtonPicture::Disabled || down || !v.enabled;
    if (v.frame > 0 && !still) {
        const Rect cell = StateCell(SkinRect(s.AnimateSkinRect), s.FrameCount, v.frame - 1);
        DrawSkinBody(canvas, picture, body, cell, size.cx, size.cy);
    } else if (PaintsMorphStep(v)) {
        PaintBlend(canvas, v, parts);
    } else {
        DrawSkinBody(canvas, picture, body, ButtonPictureRect(s, v.picture), size.cx, size.cy);
    }
    const Rect client = CalcSkinSize(body.anchors, body.mode, size.cx, size.cy).clientRect;
    const Rect text = ButtonCaptionRect(look.fonts, client, v, down);
    if (v.captionLayout) {
        v.captionLayout->PaintCenteredWrapped(look, v.font, v.font.Color(), v.caption, text);
    } else {
        PaintCenteredWrapped(look, v.font, v.font.Color(), v.caption, text);
    }
    if (s.ShowFocus && v.focused) canvas.DrawFocusRect(client);
}

void PaintButtonSkinScaled(LookContext& look, const ButtonSkinVisual& v, const ButtonSkinParts& parts) {
    const Size size = v.size;
    const Rect section = SkinRect(parts.section.SkinRect);
    Bitmap own(section.Width(), section.Height(), clBtnFace);
    Canvas o(own);
    LookContext ownLook{o, look.fonts};
    ButtonSkinVisual still = v;
    still.caption.clear();
    still.size = {own.Width(), own.Height()};
    PaintButtonSkin(ownLook, still, parts);
    look.canvas.StretchDraw({0, 0, size.cx, size.cy}, own, {0, 0, own.Width(), own.Height()});
    const Rect client = parts.body.anchors.clientRect;
    Rect text{client.left, client.top, size.cx - (section.Width() - client.right),
              size.cy - (section.Height() - client.bottom)};
    if (v.picture == ButtonPicture::Down) text = text.Offset(1, 1);
    PaintCenteredWrapped(look, v.font, v.font.Color(), v.caption, text);
}

void PaintButtonDefault(LookContext& look, const ButtonDefaultVisual& v) {
    DrawStatePart(look.canvas, v.client, v.state);
    const Rect text = v.state == PartState::Pressed ? v.client.Offset(1, 1) : v.client;
    PaintCenteredWrapped(look, v.font, v.font.Color(), v.caption, text);
}

}  // namespace dsp
