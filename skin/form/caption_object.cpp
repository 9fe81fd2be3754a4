// The caption object: its look (or its animation frame) and the window
// caption drawn on it, cut with "..." to fit, with its light and shadow.

#include <algorithm>

#include "platform/text/font_engine.h"
#include "platform/text/utf8.h"
#include "skin/compose/state_cell.h"
#include "skin/form/frame_object.h"
#include "skin/form/skin_form.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

constexpr int kDefaultAnimationIntervalMs = 25;

}  // namespace

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsSkinForm& frame, const TbsDataSkinCaption& data)
    : TbsActiveSkinObject(frame, data), caption_(data) {
    Active = frame.FormActive();
    MorphFactor = Active ? 1.0 : 0.0;
}

Rect TbsSkinCaptionObject::TextRect() const {
    if (caption_.TextRect.IsEmpty()) return {};
    const Rect t = ToRect(caption_.TextRect);
    const int grow = rect_.Width() - caption_.SkinRect.Width();
    return {rect_.left + t.left, rect_.top + t.top, rect_.left + t.right + grow, rect_.top + t.bottom};
}

bool TbsSkinCaptionObject::Animated() const {
    const TbsSkinData* skin = frame_.SkinData();
    return skin != nullptr && skin->EnableSkinEffects() && caption_.FrameCount > 0 &&
           !caption_.AnimateSkinRect.IsEmpty();
}

int TbsSkinCaptionObject::AnimationIntervalMs() const {
    return caption_.AnimateInterval > 0 ? caption_.AnimateInterval : kDefaultAnimationIntervalMs;
}

int TbsSkinCaptionObject::AnimationTarget() const { return Active ? caption_.FrameCount : 0; }

void TbsSkinCaptionObject::AnimationStep() {
    if (!Animated()) {
        animationFrame_ = 0;
        return;
    }
    animationFrame_ = std::clamp(animationFrame_, 0, caption_.FrameCount);
    if (animationFrame_ != AnimationTarget()) animationFrame_ += animationFrame_ < AnimationTarget() ? 1 : -1;
}

bool TbsSkinCaptionObject::DrawAnimationFrame(Canvas& canvas) const {
    if (animationFrame_ <= 0 || !Animated()) return false;
    const Rect cell = StateCell(ToRect(caption_.AnimateSkinRect), caption_.FrameCount, animationFrame_ - 1);
    const Bitmap* picture = OwnPicture() != nullptr ? OwnPicture() : NormalPicture();
    return DrawImage(canvas, picture, {cell.left, cell.top, cell.right, cell.bottom});
}

void TbsSkinCaptionObject::Draw(Canvas& canvas, bool selfRepaint) {
    if (!DrawAnimationFrame(canvas)) DrawCommon(canvas, selfRepaint);
    if (frame_.OnCaptionPaint) return frame_.OnCaptionPaint(&frame_, canvas, rect_, frame_.FormActive());
    DrawText(canvas);
}

void TbsSkinCaptionObject::DrawText(Canvas& canvas) const {
    const std::string& caption = frame_.Form().Text();
    const Rect r = TextRect();
    if (caption.empty() || r.IsEmpty()) return;
    const bool active = frame_.FormActive();
    TFont font(caption_.FontName, caption_.FontHeight, caption_.FontStyle,
               static_cast<Color>(active ? caption_.ActiveFontColor : caption_.FontColor));
    FontEngine& fonts = frame_.Fonts();
    const std::string text =
        FitCaptionText(caption, r.Width(), [&](std::string_view s) { return fonts.TextExtent(font, s).cx; });
    const Size extent = fonts.TextExtent(font, text);
    int x = r.left;
    if (caption_.Alignment == TAlignment::taRightJustify) x = r.right - extent.cx;
    if (caption_.Alignment == TAlignment::taCenter) x = r.left + (r.Width() - extent.cx) / 2;
    const Point at{x, r.top + (r.Height() - extent.cy) / 2};
    ClipScope clip(canvas, r);
    const std::u32string code = DecodeUtf8(text);
    if (caption_.Light)
        fonts.DrawLine(canvas, font, at - Point{1, 1}, code,
                       static_cast<Color>(active ? caption_.ActiveLightColor : caption_.LightColor));
    if (caption_.Shadow)
        fonts.DrawLine(canvas, font, at + Point{1, 1}, code,
                       static_cast<Color>(active ? caption_.ActiveShadowColor : caption_.ShadowColor));
    fonts.DrawLine(canvas, font, at, code, font.Color());
}

}  // namespace dsp
