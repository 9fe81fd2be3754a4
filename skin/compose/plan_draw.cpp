#include "skin/compose/plan_draw.h"

#include <algorithm>

#include "platform/graphics/mask_region.h"

namespace dsp {
namespace {

bool SameSize(const Piece& p) {
    return p.source.Width() == p.dest.Width() && p.source.Height() == p.dest.Height();
}

}  // namespace

void DrawPlan(Canvas& canvas, const Bitmap& picture, const PiecePlan& plan) {
    if (picture.Empty()) return;
    for (const Piece& p : plan) {
        if (SameSize(p)) {
            canvas.CopyRect(p.dest.TopLeft(), picture, p.source);
        } else {
            canvas.StretchDraw(p.dest, picture, p.source);
        }
    }
}

void DrawPlanTransparent(Canvas& canvas, const Bitmap& picture, const PiecePlan& plan, Color transparent) {
    if (picture.Empty()) return;
    for (const Piece& p : plan) {
        if (SameSize(p)) {
            canvas.DrawTransparent(p.dest.TopLeft(), picture, p.source, transparent);
        } else {
            canvas.StretchTransparent(p.dest, picture, p.source, transparent);
        }
    }
}

Region RegionFromPlan(const Bitmap& mask, const PiecePlan& plan) {
    // Composed onto white (outside), so uncovered pixels stay out, then
    // scanned once; the composition cannot be larger than a bitmap may be.
    const Rect bounds = PlanBounds(plan);
    if (mask.Empty() || bounds.IsEmpty()) return {};
    const Rect area = Rect::FromOriginSize(bounds.left, bounds.top, std::min(bounds.Width(), kMaxBitmapSide),
                                           std::min(bounds.Height(), kMaxBitmapSide));
    Bitmap composed(area.Width(), area.Height(), clWhite);
    Canvas canvas(composed);
    canvas.SetOrigin({-area.left, -area.top});
    DrawPlan(canvas, mask, plan);
    return RegionFromMask(composed, composed.Bounds(), area.TopLeft());
}

}  // namespace dsp
