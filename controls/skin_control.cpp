#include "controls/skin_control.h"

#include "skin/skin_data.h"

namespace dsp {

TbsSkinControl::TbsSkinControl(TComponent* owner) : TCustomControl(owner), SkinLinked({}) {
    // Clicks are the controls' own business: each fires its events by its
    // rules. A paint covers every pixel (the button face first), so the
    // window's painter leaves what lies under the control alone.
    SetControlStyle((ControlStyle() & ~csClickEvents) | csOpaque);
}

void TbsSkinControl::SetSkinData(TbsSkinData* data) {
    link_.SetSkinData(data);
    if (data != nullptr && !data->Empty()) ApplySkinData();
}

void TbsSkinControl::ReadSkinData() { link_.Read(); }

void TbsSkinControl::ApplySkinData() {
    ReadSkinData();
    Invalidate();
}

void TbsSkinControl::SkinDataNameChanged() {
    if (SkinData() == nullptr || SkinData()->Empty()) return;
    ReadSkinData();
    Invalidate();
}

Bitmap TbsSkinControl::PaintToBitmap() {
    Bitmap bitmap(Width(), Height());
    Canvas canvas(bitmap);
    PaintInto(canvas);
    return bitmap;
}

void TbsSkinControl::PaintInto(Canvas& canvas) {
    LookContext look{canvas, Fonts()};
    if (SkinIndex() < 0) {
        canvas.FillRect({0, 0, Width(), Height()}, clBtnFace);
        PaintDefaultLook(look);
    } else {
        if (!SkinLookCoversAll()) canvas.FillRect({0, 0, Width(), Height()}, clBtnFace);
        PaintSkinLook(look);
    }
}

void TbsSkinControl::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    inPaint_ = true;
    PaintInto(*PaintCanvas());
    inPaint_ = false;
}

void TbsSkinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case kWmEraseBkgnd:
            message.Result = 1;
            return;  // the paint covers every pixel
        case kWmBackgroundChanged:
            ParentBackgroundChanged();
            return;
        default:
            break;
    }
    TCustomControl::WndProc(message);
}

void TbsSkinControl::MouseEnter() {
    TCustomControl::MouseEnter();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TbsSkinControl::MouseLeave() {
    TCustomControl::MouseLeave();
    if (OnMouseLeave) OnMouseLeave(this);
}

}  // namespace dsp
