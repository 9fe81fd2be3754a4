#include "controls/look/bevel_look.h"

namespace dsp {
namespace {

void PaintDivider(Canvas& c, const BevelVisual& v, Color first, Color second) {
    const int w = v.width;
    const int h = v.height;
    const bool horizontal = v.shape == TBevelShape::bsTopLine || v.shape == TBevelShape::bsBottomLine;
    const Rect r = horizontal ? Rect{2, h / 2 - 1, w - 2, h / 2} : Rect{w / 2 - 1, 2, w / 2, h - 2};
    c.Draw3DRect({r.left, r.top, r.right + 1, r.bottom + 1}, first, second);
}

void PaintShape(Canvas& c, const BevelVisual& v, Color first, Color second) {
    const int w = v.width;
    const int h = v.height;
    switch (v.shape) {
        case TBevelShape::bsBox:
            c.Draw3DRect({0, 0, w, h}, first, second);
            break;
        case TBevelShape::bsFrame:
            c.FrameRect({1, 1, w, h}, second);
            c.FrameRect({0, 0, w - 1, h - 1}, first);
            break;
        case TBevelShape::bsTopLine:
            c.DrawLine({0, 0}, {w, 0}, first);
            c.DrawLine({0, 1}, {w, 1}, second);
            break;
        case TBevelShape::bsBottomLine:
            c.DrawLine({0, h - 2}, {w, h - 2}, first);
            c.DrawLine({0, h - 1}, {w, h - 1}, second);
            break;
        case TBevelShape::bsLeftLine:
            c.DrawLine({0, 0}, {0, h}, first);
            c.DrawLine({1, 0}, {1, h}, second);
            break;
        case TBevelShape::bsRightLine:
            c.DrawLine({w - 2, 0}, {w - 2, h}, first);
            c.DrawLine({w - 1, 0}, {w - 1, h}, second);
            break;
        case TBevelShape::bsSpacer:
            break;
    }
}

}  // namespace

void PaintBevel(LookContext& look, const BevelVisual& v) {
    const bool raised = v.style == TBevelStyle::bsRaised;
    const Color first = raised ? v.light : v.dark;
    const Color second = raised ? v.dark : v.light;
    if (v.dividerMode && v.shape != TBevelShape::bsSpacer) {
        PaintDivider(look.canvas, v, first, second);
    } else {
        PaintShape(look.canvas, v, first, second);
    }
}

}  // namespace dsp
