#include "controls/look/skin_piece.h"

#include "skin/compose/plan_draw.h"

namespace dsp {

void DrawThreePiece(Canvas& canvas, const Bitmap& picture, const Rect& strip, Axis axis, int startFixed,
                    int endFixed, const Rect& dest, PieceFill fill) {
    if (strip.IsEmpty() || dest.IsEmpty()) return;
    ThreePiece in;
    in.startFixed = startFixed;
    in.endFixed = endFixed;
    in.destLength = axis == Axis::Horizontal ? dest.Width() : dest.Height();
    in.fill = fill;
    PiecePlan plan = ThreePiecePlan(strip, axis, in);
    OffsetPlan(plan, dest.left, dest.top);
    DrawPlan(canvas, picture, plan);
}

}  // namespace dsp
