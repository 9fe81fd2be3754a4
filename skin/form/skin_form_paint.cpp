// TbsSkinForm: the frame painted from the skin's picture or as the plain
// fallback frame, and the window region cut from the mask.

#include <random>

#include "platform/text/font_engine.h"
#include "skin/compose/effect_bmp.h"
#include "skin/compose/plan_draw.h"
#include "skin/form/frame_constants.h"
#include "skin/form/skin_form.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

// A piece composed in a bitmap of its own, so the inactive effect can work on
// it before it reaches the window.
void DrawPieceWithEffect(Canvas& canvas, const Bitmap& picture, const PiecePlan& plan, const Rect& piece,
                         TbsInActiveEffect effect) {
    Bitmap own(piece.Width(), piece.Height());
    Canvas pieceCanvas(own);
    pieceCanvas.SetOrigin({-piece.left, -piece.top});
    DrawPlan(pieceCanvas, picture, plan);
    TbsEffectBmp bmp(own);
    std::mt19937 random(12345);
    bmp.InactiveEffect(effect, random);
    bmp.Draw(canvas, piece.TopLeft());
}

}  // namespace

void TbsSkinForm::RepaintFrame() {
    // The non-client part only: the client area paints itself.
    const Rect all{0, 0, form_.Width(), form_.Height()};
    const Rect client = form_.ClientRectInWindow();
    if (client.IsEmpty()) return form_.InvalidateWindowRect(all);
    form_.InvalidateWindowRect({0, 0, form_.Width(), client.top});
    form_.InvalidateWindowRect({0, client.bottom, form_.Width(), form_.Height()});
    form_.InvalidateWindowRect({0, client.top, client.left, client.bottom});
    form_.InvalidateWindowRect({client.right, client.top, form_.Width(), client.bottom});
}

void TbsSkinForm::RepaintObject(const TbsActiveSkinObject& object) {
    form_.InvalidateWindowRect(object.ObjectRect());
}

void TbsSkinForm::PaintFrame(Canvas& canvas) {
    if (changing_) return;
    if (skinned_)
        PaintSkinnedFrame(canvas);
    else
        PaintFallbackFrame(canvas);
}

void TbsSkinForm::PaintSkinnedFrame(Canvas& canvas) {
    if (form_.Width() < MinimumWidth() || form_.Height() < MinimumHeight()) return;
    const TbsSkinData& skin = *SkinData();
    const TbsSkinFormData& f = skin.FormData();
    const bool inactivePicture = !active_ && !skin.InActivePictureBitmap().Empty();
    const Bitmap& picture = inactivePicture ? skin.InActivePictureBitmap() : skin.PictureBitmap();
    ClipScope frameOnly(canvas,
                        Region(Rect{0, 0, layout_.width, layout_.height}).Subtract(Region(layout_.client)));
    if (canvas.ClipBox().IsEmpty()) return;  // a repaint inside the client area
    const FramePlans plans = ComputeFramePlans(f, layout_);
    const bool effect = !active_ && f.AutoRenderingInActiveImage;
    const std::pair<const PiecePlan*, Rect> pieces[] = {{&plans.top, plans.topRect},
                                                        {&plans.bottom, plans.bottomRect},
                                                        {&plans.left, plans.leftRect},
                                                        {&plans.right, plans.rightRect}};
    for (const auto& [plan, rect] : pieces) {
        if (plan->empty()) continue;
        if (effect)
            DrawPieceWithEffect(canvas, picture, *plan, rect, f.InActiveEffect);
        else
            DrawPlan(canvas, picture, *plan);
    }
    PaintObjects(canvas, plans);
}

void TbsSkinForm::PaintObjects(Canvas& canvas, const FramePlans& plans) {
    for (const auto& o : objects_) {
        if (!o->Visible) continue;
        // An object below the client's top edge belongs to the bottom piece.
        const Rect piece = o->ObjectRect().bottom > layout_.client.top ? plans.bottomRect : plans.topRect;
        ClipScope clip(canvas, piece);
        o->Draw(canvas, false);
    }
}

void TbsSkinForm::PaintFallbackFrame(Canvas& canvas) {
    Rect r{0, 0, layout_.width, layout_.height};
    canvas.Draw3DRect(r, cl3DLight, cl3DDkShadow);
    r = r.Inflate(-1, -1);
    canvas.Draw3DRect(r, clBtnHighlight, clBtnShadow);
    r = r.Inflate(-1, -1);
    canvas.Draw3DRect(r, clBtnFace, clBtnFace);
    const Rect bar = layout_.caption;
    canvas.FillRect(bar, clBtnFace);
    const TFont& font = active_ ? defCaptionFont_ : defInActiveCaptionFont_;
    const std::string& text = form_.Text();
    if (text.empty()) return;
    ClipScope clip(canvas, bar);
    const int textHeight = Fonts().Metrics(font).height;
    Fonts().TextOut(canvas, font, {bar.left + 4, bar.top + (bar.Height() - textHeight) / 2}, text);
}

void TbsSkinForm::UpdateRegion() {
    const RegionKey key{frameOn_, skinned_, {form_.Width(), form_.Height()}};
    if (regionKey_ == key) return;
    regionKey_ = key;
    if (!frameOn_) return form_.SetWindowRegion(std::nullopt);
    const Rect whole{0, 0, form_.Width(), form_.Height()};
    if (!skinned_ || SkinData()->MaskBitmap().Empty()) return form_.SetWindowRegion(Region(whole));
    const Bitmap& mask = SkinData()->MaskBitmap();
    const FramePlans plans = ComputeFramePlans(SkinData()->FormData(), layout_);
    Region region(Intersect(layout_.maskArea, whole));
    for (const PiecePlan* plan : {&plans.top, &plans.bottom, &plans.left, &plans.right})
        if (!plan->empty()) region = region.Union(RegionFromPlan(mask, *plan));
    form_.SetWindowRegion(std::move(region));
}

}  // namespace dsp
