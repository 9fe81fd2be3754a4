#include "controls/bevel.h"

#include "controls/look/skin_text.h"
#include "controls/skin_sections.h"
#include "platform/graphics/canvas.h"
#include "skin/data_skin_panels.h"

namespace dsp {

TbsSkinBevel::TbsSkinBevel(TComponent* owner)
    : TGraphicControl(owner), SkinLinked(SkinSectionName(SkinSection::Bevel)) {
    SetBounds(0, 0, 50, 50);
}

void TbsSkinBevel::SetSkinData(TbsSkinData* data) {
    link_.SetSkinData(data);
    ApplySkinData();
}

void TbsSkinBevel::ForgetSkinData() { link_.Forget(); }

void TbsSkinBevel::ApplySkinData() {
    link_.Read();
    ReadColors();
    Invalidate();
}

void TbsSkinBevel::ReadColors() {
    const auto* s = link_.Section<TbsDataSkinBevel>();
    light_ = s ? SkinColor(s->LightColor) : clBtnHighlight;
    dark_ = s ? SkinColor(s->DarkColor) : clBtnShadow;
}

void TbsSkinBevel::SetShape(TBevelShape s) {
    shape_ = s;
    Invalidate();
}

void TbsSkinBevel::SetStyle(TBevelStyle s) {
    style_ = s;
    Invalidate();
}

void TbsSkinBevel::SetDividerMode(bool on) {
    dividerMode_ = on;
    Invalidate();
}

void TbsSkinBevel::Draw(Canvas& c) {
    const int w = Width();
    const int h = Height();
    Color first = style_ == TBevelStyle::bsRaised ? light_ : dark_;
    Color second = style_ == TBevelStyle::bsRaised ? dark_ : light_;
    if (dividerMode_ && shape_ != TBevelShape::bsSpacer) {
        bool horizontal = shape_ == TBevelShape::bsTopLine || shape_ == TBevelShape::bsBottomLine;
        Rect r = horizontal ? Rect{2, h / 2 - 1, w - 2, h / 2} : Rect{w / 2 - 1, 2, w / 2, h - 2};
        c.Draw3DRect({r.left, r.top, r.right + 1, r.bottom + 1}, first, second);
        return;
    }
    switch (shape_) {
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

void TbsSkinBevel::Paint() { Draw(*PaintCanvas()); }

Bitmap TbsSkinBevel::PaintToBitmap(Color background) {
    Bitmap b(Width(), Height(), background);
    Canvas c(b);
    Draw(c);
    return b;
}

}  // namespace dsp
