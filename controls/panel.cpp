#include "controls/panel.h"

#include "controls/default_look.h"
#include "controls/look/skin_text.h"
#include "controls/skin_sections.h"
#include "controls/text_paint.h"
#include "skin/compose/plan_draw.h"
#include "skin/data_skin_panels.h"

namespace dsp {
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
    ReadSkinData();
    if (SkinIndex() < 0 || resizeMode_ == SkinResizeMode::None)
        return model_.DefaultClientRect(Width(), Height());
    return dsp::CalcSkinSize(anchors_, resizeMode_, Width(), Height()).clientRect;
}

Rect TbsSkinPanel::SkinCaptionRect() {
    ReadSkinData();
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
    ReadSkinData();
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
                ReadSkinData();
                if (SkinIndex() < 0) {
                    DrawDefaultLook(*canvas);
                } else {
                    canvas->Draw({0, 0}, PaintToBitmap());
                }
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

void TbsSkinPanel::PaintCaptionBar(Canvas& c) {
    Rect bar = model_.DefaultCaptionBar(Width());
    c.Draw3DRect(bar, clBtnHighlight, clBtnShadow);
    c.Draw3DRect(bar.Inflate(-1, -1), clBtnHighlight, clBtnShadow);
    Rect text{bar.left + 2, bar.top, bar.right - 2, bar.bottom};
    if (model_.CheckedMode()) {
        Rect box = Rect::FromOriginSize(5, bar.top + (bar.Height() - 14) / 2, 14, 14);
        c.FillRect(box, clWindow);
        c.Draw3DRect(box, clBtnShadow, clBtnHighlight);
        if (model_.Checked()) {
            for (int i = 0; i < 3; ++i) {
                c.DrawLine({box.left + 3, box.top + 6 + i}, {box.left + 6, box.top + 9 + i}, clWindowText);
                c.DrawLine({box.left + 5, box.top + 8 + i}, {box.left + 11, box.top + 2 + i}, clWindowText);
            }
        }
        text.left = box.right + 6;
    }
    if (model_.RollUpMode()) text.right -= 10;
    Color color = EnabledThroughParents() ? DefaultFont().Color() : clBtnShadow;
    PaintText(c, DefaultFont(), color, Caption(), text,
              AlignFlags(defaultAlignment_) | kDtVCenter | kDtSingleLine);
}

void TbsSkinPanel::PaintDefaultLook(Bitmap& bitmap) {
    Canvas c(bitmap);
    DrawDefaultLook(c);
}

void TbsSkinPanel::DrawDefaultLook(Canvas& c) {
    Rect all{0, 0, Width(), Height()};
    DrawBorderStyleBox(c, all, model_.BorderStyle());
    if (model_.CaptionMode()) PaintCaptionBar(c);
}

bool TbsSkinPanel::CoveredByClientPart() const {
    return model_.BorderStyle() == TbsSkinBorderStyle::bvNone && resizeMode_ == SkinResizeMode::Both &&
           !model_.CaptionMode() && !stretch_.effect;
}

void TbsSkinPanel::PaintSkinLook(Bitmap& bitmap) {
    if (picture_ != nullptr && CoveredByClientPart()) {
        Canvas c(bitmap);
        Rect client = anchors_.clientRect.Offset(anchors_.skinRect.left, anchors_.skinRect.top);
        DrawPlan(c, *picture_, AreaPlan(client, {0, 0, Width(), Height()}, AreaFill::Tile));
    } else {
        TbsSkinCustomControl::PaintSkinLook(bitmap);
    }
    Canvas c(bitmap);
    PaintSkinCaption(c);
}

void TbsSkinPanel::PaintSkinCaption(Canvas& c) {
    const auto* s = link_.Section<TbsDataSkinPanelControl>();
    Rect r = SkinCaptionRect();
    if (s == nullptr || !model_.CaptionMode() || r.IsEmpty()) return;
    if (model_.CheckedMode() && picture_ != nullptr) {
        const TRect& mark = model_.Checked() ? s->CheckImageRect : s->UnCheckImageRect;
        if (!SkinRectEmpty(mark)) {
            const Rect src = SkinRect(mark);
            c.CopyRect({r.left, r.top + (r.Height() - src.Height()) / 2}, *picture_, src);
            r.left += src.Width() + 2;
        }
    }
    if (Caption().empty()) return;
    TFont font = UseSkinFont() ? SectionFont(*s) : DefaultFont();
    PaintText(c, font, SkinColor(s->FontColor), Caption(), r,
              SkinAlignFlags(s->Alignment) | kDtVCenter | kDtSingleLine);
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
        Point p = ScreenToClient({LParamX(message.LParam), LParamY(message.LParam)});
        Rect grip{Width() - Height(), 0, Width(), Height()};
        message.Result = grip.Contains(p) ? kHtBottomRight : kHtClient;
        return;
    }
    TbsSkinPanel::WndProc(message);
}

}  // namespace dsp
