#include "controls/bevel.h"

#include "controls/look/bevel_look.h"
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

void TbsSkinBevel::Draw(Canvas& canvas) {
    LookContext look{canvas, Fonts()};
    PaintBevel(look, {Width(), Height(), shape_, style_, dividerMode_, light_, dark_});
}

void TbsSkinBevel::Paint() { Draw(*PaintCanvas()); }

Bitmap TbsSkinBevel::PaintToBitmap(Color background) {
    Bitmap b(Width(), Height(), background);
    Canvas c(b);
    Draw(c);
    return b;
}

}  // namespace dsp
