#include "controls/look/default_look.h"

#include "controls/model/default_look_colors.h"

namespace dsp {

void DrawStatePart(Canvas& canvas, const Rect& r, PartState state) {
    switch (state) {
        case PartState::Pressed:
            canvas.FillRect(r, kDefaultLookPressedFill);
            canvas.FrameRect(r, kDefaultLookActiveFrame);
            break;
        case PartState::Hot:
            canvas.FillRect(r, kDefaultLookHotFill);
            canvas.FrameRect(r, kDefaultLookActiveFrame);
            break;
        case PartState::Normal:
            canvas.FillRect(r, clBtnFace);
            canvas.FrameRect(r, clBtnShadow);
            break;
    }
}

void DrawSpinArrow(Canvas& canvas, const Rect& r, bool up, Color color) {
    if (up) {
        DrawArrow(canvas, r, ArrowDirection::Up, color);
    } else {
        DrawArrow(canvas, r.Offset(0, 1), ArrowDirection::Down, color);
    }
}

void DrawArrow(Canvas& canvas, const Rect& r, ArrowDirection direction, Color color) {
    int cx = r.left + r.Width() / 2;
    int cy = r.top + r.Height() / 2;
    for (int i = 0; i < 4; ++i) {
        switch (direction) {
            case ArrowDirection::Up:
                canvas.DrawLine({cx - i, cy - 2 + i}, {cx + i + 1, cy - 2 + i}, color);
                break;
            case ArrowDirection::Down:
                canvas.DrawLine({cx - i, cy + 1 - i}, {cx + i + 1, cy + 1 - i}, color);
                break;
            case ArrowDirection::Left:
                canvas.DrawLine({cx - 2 + i, cy - i}, {cx - 2 + i, cy + i + 1}, color);
                break;
            case ArrowDirection::Right:
                canvas.DrawLine({cx + 1 - i, cy - i}, {cx + 1 - i, cy + i + 1}, color);
                break;
        }
    }
}

void DrawBorderStyleBox(Canvas& canvas, const Rect& r, TbsSkinBorderStyle style) {
    canvas.FillRect(r, clBtnFace);
    switch (style) {
        case TbsSkinBorderStyle::bvFrame:
            canvas.FrameRect(r, clBtnShadow);
            break;
        case TbsSkinBorderStyle::bvRaised:
            canvas.Draw3DRect(r, clBtnHighlight, clBtnShadow);
            break;
        case TbsSkinBorderStyle::bvLowered:
            canvas.Draw3DRect(r, clBtnShadow, clBtnHighlight);
            break;
        case TbsSkinBorderStyle::bvNone:
            break;
    }
}

}  // namespace dsp
