#include "controls/skin_custom_control.h"

#include "platform/graphics/canvas.h"
#include "skin/compose/plan_draw.h"
#include "skin/skin_data.h"

namespace dsp {
TbsSkinCustomControl::TbsSkinCustomControl(TComponent* owner) : TbsSkinControl(owner) {
    defaultFont_.OnChange = [this](TFont&) {
        DefaultFontChanged();
        if (SkinIndex() < 0) Invalidate();
    };
}

void TbsSkinCustomControl::SetDefaultFont(const TFont& font) {
    defaultFont_ = font;  // copies the values; our OnChange stays
    DefaultFontChanged();
    if (SkinIndex() < 0) Invalidate();
}

void TbsSkinCustomControl::SetDefaultWidth(int width) {
    defaultWidth_ = width;
    if (SkinIndex() < 0 && width > 0) SetWidth(width);
}

void TbsSkinCustomControl::SetDefaultHeight(int height) {
    defaultHeight_ = height;
    if (SkinIndex() < 0 && height > 0) SetHeight(height);
}

void TbsSkinCustomControl::ForgetSection() {
    bodies_.Forget();
    anchors_ = {};
    stretch_ = {};
    resizeMode_ = SkinResizeMode::None;
    picture_ = nullptr;
    mask_ = nullptr;
}

void TbsSkinCustomControl::ReadSkinData() {
    TbsSkinControl::ReadSkinData();
    ForgetSection();
    const auto* section = link_.Section<TbsDataSkinCustomControl>();
    if (section == nullptr) return;
    anchors_ = {ToRect(section->SkinRect), ToPoint(section->LTPoint), ToPoint(section->RTPoint),
                ToPoint(section->LBPoint), ToPoint(section->RBPoint), ToRect(section->ClientRect)};
    stretch_ = {section->LeftStretch,   section->TopStretch,    section->RightStretch,
                section->BottomStretch, section->StretchEffect, section->StretchType};
    picture_ = SkinData()->Picture(section->PictureIndex);
    mask_ = SkinData()->Picture(section->MaskPictureIndex);
    resizeMode_ = DeriveResizeMode(anchors_);
}

void TbsSkinCustomControl::ApplySkinData() {
    ReadSkinData();
    if (SkinIndex() < 0) {
        if (defaultWidth_ > 0) SetWidth(defaultWidth_);
        if (defaultHeight_ > 0) SetHeight(defaultHeight_);
        UpdateWindowRegion();
        Invalidate();
        return;
    }
    int w = Width();
    int h = Height();
    CalcSkinSize(w, h);
    if (w == Width() && h == Height()) {
        UpdateWindowRegion();
        Invalidate();
        return;
    }
    SetBounds(Left(), Top(), w, h);  // the region and the repaint follow the size
}

void TbsSkinCustomControl::ForgetSkinData() {
    TbsSkinControl::ForgetSkinData();
    ForgetSection();  // the pictures go with the old skin
}

void TbsSkinCustomControl::SetBounds(int left, int top, int width, int height) {
    const bool skinned = resizeMode_ != SkinResizeMode::None;
    if (skinned && (width != Width() || height != Height())) CalcSkinSize(width, height);
    const bool resized = width != Width() || height != Height();
    TbsSkinControl::SetBounds(left, top, width, height);
    if (!resized) return;
    UpdateWindowRegion();
    Invalidate();
    if (skinned && stretch_.effect) TellChildrenBackgroundChanged();
}

void TbsSkinCustomControl::TellChildrenBackgroundChanged() {
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Perform(kWmBackgroundChanged);
}

void TbsSkinCustomControl::CalcSkinSize(int& width, int& height) {
    fit_ = dsp::CalcSkinSize(anchors_, resizeMode_, width, height);
    width = fit_.width;
    height = fit_.height;
}

PiecePlan TbsSkinCustomControl::BodyPlan() const {
    return SkinBodyPlan(anchors_, stretch_, resizeMode_, Width(), Height());
}

void TbsSkinCustomControl::UpdateWindowRegion() {
    // Without a section (or its mask picture) the control is rectangular.
    if (resizeMode_ == SkinResizeMode::None || mask_ == nullptr) {
        if (WindowRegion()) SetWindowRegion(std::nullopt);
        return;
    }
    SetWindowRegion(RegionFromPlan(*mask_, BodyPlan()));
}

void TbsSkinCustomControl::PaintSkinLook(LookContext& look) {
    if (picture_ == nullptr) return;
    const bool nine = forceBackground_ && resizeMode_ == SkinResizeMode::Both;
    const int variant = nine ? (drawBackground_ ? 2 : 1) : 0;
    look.canvas.Draw({0, 0}, bodies_.Get({Width(), Height()}, variant, [&](Canvas& canvas) {
        if (!nine) return DrawPlan(canvas, *picture_, BodyPlan());
        const NinePiece pieces =
            NinePiecePlan(anchors_, stretch_, dsp::CalcSkinSize(anchors_, resizeMode_, Width(), Height()));
        DrawPlan(canvas, *picture_, pieces.border);
        if (drawBackground_) DrawPlan(canvas, *picture_, pieces.client);
    }));
}

void TbsSkinCustomControl::PaintDefaultLook(LookContext& look) {
    look.canvas.FillRect(ClientRect(), clBtnFace);
}

}  // namespace dsp
