#include "controls/skin_custom_control.h"

#include "platform/graphics/canvas.h"

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

void TbsSkinCustomControl::ReadSkinData() {
    TbsSkinControl::ReadSkinData();
    if (SkinIndex() < 0) {
        anchors_ = {};
        resizeMode_ = SkinResizeMode::None;
        return;
    }
    // The section's geometry comes with the skin layer's data objects.
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
    TbsSkinControl::SetBounds(Left(), Top(), w, h);
}

void TbsSkinCustomControl::SetBounds(int left, int top, int width, int height) {
    bool resized = width != Width() || height != Height();
    if (SkinIndex() >= 0 && resized) CalcSkinSize(width, height);
    TbsSkinControl::SetBounds(left, top, width, height);
    if (resized) {
        UpdateWindowRegion();
        Invalidate();
    }
}

void TbsSkinCustomControl::CalcSkinSize(int& width, int& height) {
    fit_ = dsp::CalcSkinSize(anchors_, resizeMode_, width, height);
    width = fit_.width;
    height = fit_.height;
}

void TbsSkinCustomControl::UpdateWindowRegion() {
    // Without a section (or its mask picture) the control is rectangular.
    if (WindowRegion()) SetWindowRegion(std::nullopt);
}

void TbsSkinCustomControl::PaintDefaultLook(Bitmap& bitmap) {
    Canvas canvas(bitmap);
    canvas.FillRect(ClientRect(), clBtnFace);
}

}  // namespace dsp
