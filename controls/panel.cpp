#include "controls/panel.h"

#include "controls/look/skin_text.h"
#include "controls/skin_sections.h"
#include "platform/framework/mouse_message.h"
#include "skin/data_skin_panels.h"

namespace dsp {
namespace {

// The body variant of a borderless panel's repeated client part (the
// section's own bodies are variants 0 to 2).
constexpr int kTiledBody = 3;

}  // namespace
TbsSkinPanel::TbsSkinPanel(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::Panel));
    SetControlStyle(ControlStyle() | csAcceptsControls);
    forceBackground_ = true;
    SetBounds(0, 0, 150, 150);
    model_.OnInvalidate = [this](PanelModel&) { Invalidate(); };
    model_.OnChecked = [this](PanelModel&) {
        if (OnChecked) OnChecked(this);
    };
    model_.OnChangeRollUpState = [this](PanelModel&) {
        if (OnChangeRollUpState) OnChangeRollUpState(this);
    };
    model_.SetChildrenEnabled = [this](bool enabled) {
        for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(enabled);
    };
    model_.SetChildrenVisible = [this](bool visible) {
        for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(visible);
    };
}

void TbsSkinPanel::SetCaptionMode(bool on) {
    model_.SetCaptionMode(on);
    RecalcNonClient();
    Invalidate();
}

void TbsSkinPanel::SetCheckedMode(bool on) {
    model_.SetCheckedMode(on);
    Invalidate();
}

void TbsSkinPanel::SetDefaultCaptionHeight(int h) {
    model_.SetDefaultCaptionHeight(h);
    RecalcNonClient();
    Invalidate();
}

void TbsSkinPanel::SetBorderStyle(TbsSkinBorderStyle s) {
    model_.SetBorderStyle(s);
    RecalcNonClient();
    Invalidate();
}

Rect TbsSkinPanel::ChildClientRect() {
    if (SkinIndex() < 0 || resizeMode_ == SkinResizeMode::None)
        return model_.DefaultClientRect(Width(), Height());
    return dsp::CalcSkinSize(anchors_, resizeMode_, Width(), Height()).clientRect;
}

Rect TbsSkinPanel::SkinCaptionRect() {
    const auto* s = link_.Section<TbsDataSkinPanelControl>();
    if (s == nullptr || SkinRectEmpty(s->CaptionRect)) return {};
    Rect r = SkinRect(s->CaptionRect);
    if (transparentMode_ || resizeMode_ == SkinResizeMode::None) return r;
    // The caption strip widens with the panel; one in the bottom border
    // moves down with it. Its height stays the section's.
    const SkinFit fit = dsp::CalcSkinSize(anchors_, resizeMode_, Width(), Height());
    r.right += fit.rightTop.x - anchors_.rightTop.x;
    if (resizeMode_ != SkinResizeMode::Width && r.top >= anchors_.leftBottom.y) {
        r = r.Offset(0, fit.leftBottom.y - anchors_.leftBottom.y);
    }
    return r;
}

int TbsSkinPanel::FoldedHeight() {
    if (SkinIndex() < 0 || resizeMode_ == SkinResizeMode::None) return model_.DefaultFoldedHeight();
    return Height() - ChildClientRect().Height();
}

void TbsSkinPanel::SetRollUpState(bool state) {
    int h = model_.SetRollUpState(state, Height(), FoldedHeight());
    if (h != Height()) SetHeight(h);
}

void TbsSkinPanel::WndProc(TMessage& message) {
    switch (message.Msg) {
        case kWmNcCalcSize:
            // Children keep the positions the layout gives them from the
            // panel's top-left corner: the caption strip and the frame are
            // drawn under them, not outside a shrunken client area. (The
            // window's group boxes place their first row at 29, just below
            // their 22-pixel strip.)
            return;
        case kWmNcPaint:
            if (auto* canvas = reinterpret_cast<Canvas*>(message.WParam)) {
                PaintInto(*canvas);
            }
            return;
        case kWmNcHitTest:
            message.Result = kHtClient;
            return;
        default:
            break;
    }
    TbsSkinCustomControl::WndProc(message);
}

PanelVisual TbsSkinPanel::DefaultVisual() const {
    PanelVisual v;
    v.width = Width();
    v.height = Height();
    v.border = model_.BorderStyle();
    v.captionMode = model_.CaptionMode();
    v.captionBar = model_.DefaultCaptionBar(Width());
    v.checkedMode = model_.CheckedMode();
    v.checked = model_.Checked();
    v.rollUpMode = model_.RollUpMode();
    v.caption = Caption();
    v.font = DefaultFont();
    if (!EnabledThroughParents()) v.font.SetColor(clBtnShadow);
    v.format = AlignFlags(defaultAlignment_) | kDtVCenter | kDtSingleLine;
    return v;
}

void TbsSkinPanel::PaintDefaultLook(LookContext& look) { PaintPanelDefault(look, DefaultVisual()); }

bool TbsSkinPanel::CoveredByClientPart() const {
    return model_.BorderStyle() == TbsSkinBorderStyle::bvNone && resizeMode_ == SkinResizeMode::Both &&
           !model_.CaptionMode() && !stretch_.effect;
}

PanelSkinCaptionVisual TbsSkinPanel::SkinCaptionVisual() {
    const auto* s = link_.Section<TbsDataSkinPanelControl>();
    const Rect area = SkinCaptionRect();
    PanelSkinCaptionVisual v;
    if (s == nullptr || !model_.CaptionMode()) return v;
    v.area = area;
    v.picture = picture_;
    if (model_.CheckedMode()) v.mark = SkinRect(model_.Checked() ? s->CheckImageRect : s->UnCheckImageRect);
    v.caption = Caption();
    v.font = UseSkinFont() ? SectionFont(*s) : DefaultFont();
    v.font.SetColor(SkinColor(s->FontColor));
    v.format = SkinAlignFlags(s->Alignment) | kDtVCenter | kDtSingleLine;
    return v;
}

void TbsSkinPanel::PaintSkinLook(LookContext& look) {
    if (picture_ != nullptr && CoveredByClientPart()) {
        const auto* s = link_.Section<TbsDataSkinCustomControl>();
        look.canvas.Draw({0, 0}, Bodies().Get({Width(), Height()}, kTiledBody, [&](Canvas& canvas) {
            LookContext tiled{canvas, look.fonts};
            PaintPanelTiledBody(tiled, {Width(), Height()}, SkinPartsOf(*s));
        }));
    } else {
        TbsSkinCustomControl::PaintSkinLook(look);
    }
    const PanelSkinCaptionVisual v = SkinCaptionVisual();
    PaintPanelSkinCaption(look, v);
}

void TbsSkinPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    // Mouse coordinates are in the client area, which starts below the caption.
    Point window = Point{x, y} + ClientRectInWindow().TopLeft();
    Rect hit = SkinIndex() < 0 ? model_.DefaultCaptionHitRect(Width()) : SkinCaptionRect();
    if (!CaptionMode() || !hit.Contains(window)) return;
    int h = model_.CaptionClick(Height(), FoldedHeight());
    if (h != Height()) SetHeight(h);
}

TbsSkinGroupBox::TbsSkinGroupBox(TComponent* owner) : TbsSkinPanel(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::GroupBox));
    SetCaptionMode(true);
}

TbsSkinStatusBar::TbsSkinStatusBar(TComponent* owner) : TbsSkinPanel(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::StatusBar));
    SetBorderStyle(TbsSkinBorderStyle::bvNone);
    forceBackground_ = false;
    SetHeight(21);
}

void TbsSkinStatusBar::WndProc(TMessage& message) {
    if (message.Msg == kWmNcHitTest && sizeGrip_) {
        const Point p = PointOf(message)->Client(*this);
        Rect grip{Width() - Height(), 0, Width(), Height()};
        message.Result = grip.Contains(p) ? kHtBottomRight : kHtClient;
        return;
    }
    TbsSkinPanel::WndProc(message);
}

}  // namespace dsp
