#include "controls/spin_edit.h"

#include <utility>

#include "controls/look/skin_text.h"
#include "controls/look/text_paint.h"
#include "controls/model/wheel.h"
#include "controls/skin_sections.h"
#include "skin/data_skin_edits.h"

namespace dsp {
// The inner box: its typing, up/down keys and wheel belong to the spin edit.
class TbsSkinSpinEdit::InnerBox : public TbsSkinCustomEdit {
  public:
    InnerBox(TbsSkinSpinEdit& spin) : TbsSkinCustomEdit(&spin), spin_(spin) {
        SetFrameless(true);
        SetSkinDataName("");
        SetParent(&spin);
    }

  protected:
    bool AcceptsChar(char32_t& ch) override { return spin_.model_.AcceptsKey(ch); }
    void Change() override {
        if (!spin_.showingBox_) spin_.model_.SetBoxText(Text());
        TbsSkinCustomEdit::Change();
    }
    void FocusLost() override { spin_.model_.EditExit(); }
    void KeyDown(uint16_t& key, TShiftState shift) override {
        if (key == kVkUp || key == kVkDown) {
            key == kVkUp ? spin_.model_.StepUp() : spin_.model_.StepDown();
            key = 0;
            return;
        }
        TbsSkinCustomEdit::KeyDown(key, shift);
    }
    bool DoMouseWheel(TShiftState shift, int delta, Point) override {
        spin_.model_.Wheel(WheelParam(delta, static_cast<unsigned>(ShiftToKeys(shift))));
        return true;
    }
    // Skinned, the box shows the spin edit's body behind its text, in the
    // section's font and colours.
    void PaintDefaultLook(LookContext& look) override {
        const auto* s = spin_.link_.Section<TbsDataSkinSpinEditControl>();
        if (s == nullptr) {
            TbsSkinCustomEdit::PaintDefaultLook(look);
            return;
        }
        // The spin edit's body under the box, drawn in the spin edit's
        // coordinates; the canvas keeps what falls outside the box.
        const Point origin = look.canvas.Origin();
        look.canvas.SetOrigin(origin - Point{Left(), Top()});
        spin_.PaintSkinBody(look, *s);
        look.canvas.SetOrigin(origin);
        PaintBoxText(look, spin_.BoxFont());
    }

  private:
    TbsSkinSpinEdit& spin_;
};

TbsSkinSpinEdit::TbsSkinSpinEdit(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::SpinEdit));
    box_ = new InnerBox(*this);
    box_->SetText("0");
    box_->OnBeep = [this](TObject*) {
        if (OnBeep) OnBeep(this);
    };
    box_->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState shift) {
        if (OnEditKeyDown) OnEditKeyDown(this, key, shift);
    };
    box_->OnKeyPress = [this](TObject*, char32_t& key) {
        if (OnEditKeyPress) OnEditKeyPress(this, key);
    };
    box_->OnKeyUp = [this](TObject*, uint16_t& key, TShiftState shift) {
        if (OnEditKeyUp) OnEditKeyUp(this, key, shift);
    };
    box_->OnEnter = [this](TObject*) {
        HotChanged();
        if (OnEditEnter) OnEditEnter(this);
    };
    box_->OnExit = [this](TObject*) {
        HotChanged();
        if (OnEditExit) OnEditExit(this);
    };
    box_->OnMouseEnter = [this](TObject*) {
        boxHover_ = true;
        HotChanged();
    };
    box_->OnMouseLeave = [this](TObject*) {
        boxHover_ = false;
        HotChanged();
    };
    model_.OnChange = [this](SpinEditValue&) {
        if (OnChange) OnChange(this);
    };
    model_.OnTextChanged = [this](SpinEditValue&) {
        bool old = std::exchange(showingBox_, true);
        box_->SetText(model_.BoxText());
        showingBox_ = old;
        SetText(model_.Text());
    };
    buttons_.Step = [this](int direction) { direction > 0 ? model_.StepUp() : model_.StepDown(); };
    buttons_.Repaint = [this] { Invalidate(); };
    SetBounds(0, 0, 120, 20);
}

void TbsSkinSpinEdit::SetDefaultColor(Color c) {
    defaultColor_ = c;
    box_->SetDefaultColor(c);
    Invalidate();
}

void TbsSkinSpinEdit::SetBounds(int left, int top, int width, int height) {
    TbsSkinCustomControl::SetBounds(left, top, width, height);
    Layout();
}

void TbsSkinSpinEdit::Layout() {
    if (!box_) return;
    const auto* s = link_.Section<TbsDataSkinSpinEditControl>();
    SpinEditLayout l;
    if (s == nullptr || resizeMode_ == SkinResizeMode::None) {
        l = SpinButtons::DefaultLayout(Width(), Height(), TextHeight(Fonts(), box_->DefaultFont()));
    } else {
        const int sectionWidth = anchors_.skinRect.Width();
        l = SpinButtons::SkinLayout(ToRect(s->UpButtonRect), ToRect(s->DownButtonRect), anchors_.clientRect,
                                    sectionWidth, Width(), TextHeight(Fonts(), BoxFont()));
        if (!useSkinSize_) {
            // The buttons keep the section's columns and split the control's
            // own height; the box is centred in it.
            const int h = Height();
            l.buttons[0] = {l.buttons[0].left, 1, l.buttons[0].right, h / 2};
            l.buttons[1] = {l.buttons[1].left, h / 2, l.buttons[1].right, h - 1};
            const int th = l.box.Height();
            l.box = Rect::FromOriginSize(l.box.left, (h - th) / 2, l.box.Width(), th);
        }
    }
    buttons_.SetButtons(l.buttons);
    box_->SetBounds(l.box.left, l.box.top, l.box.Width(), l.box.Height());
}

void TbsSkinSpinEdit::SetUseSkinSize(bool on) {
    useSkinSize_ = on;
    ApplySkinData();
}

void TbsSkinSpinEdit::CalcSkinSize(int& width, int& height) {
    const int h = height;
    TbsSkinCustomControl::CalcSkinSize(width, height);
    if (!useSkinSize_) height = h;
}

void TbsSkinSpinEdit::ApplySkinData() {
    TbsSkinCustomControl::ApplySkinData();
    Layout();
}

void TbsSkinSpinEdit::ForgetSkinData() {
    TbsSkinCustomControl::ForgetSkinData();
    Layout();
}

void TbsSkinSpinEdit::HotChanged() {
    // The box shows the body behind its text, so it repaints with it.
    Invalidate();
    if (box_) box_->Invalidate();
}

bool TbsSkinSpinEdit::Hot() const { return hover_ || boxHover_ || (box_ && box_->Focused()); }

TFont TbsSkinSpinEdit::BoxFont() const {
    const auto* s = link_.Section<TbsDataSkinSpinEditControl>();
    if (s == nullptr) return box_->DefaultFont();
    TFont font = UseSkinFont() ? SectionFont(*s) : box_->DefaultFont();
    Color color = SkinColor(s->FontColor);
    if (!EnabledThroughParents()) {
        color = SkinColor(s->DisabledFontColor);
    } else if (Hot()) {
        color = SkinColor(s->ActiveFontColor);
    }
    font.SetColor(color);
    return font;
}

SpinEditVisual TbsSkinSpinEdit::Visual(const SpinEditLayout& layout) const {
    SpinEditVisual v;
    v.width = Width();
    v.height = Height();
    v.color = defaultColor_;
    v.buttons = layout.buttons;
    for (int i = 0; i < 2; ++i) {
        PartState& state = v.states[static_cast<std::size_t>(i)];
        if (buttons_.Pressed(i) && buttons_.Hover(i)) {
            state = PartState::Pressed;
        } else if (buttons_.Hover(i)) {
            state = PartState::Hot;
        }
    }
    v.hot = Hot();
    return v;
}

void TbsSkinSpinEdit::PaintSkinLook(LookContext& look) {
    const auto* s = link_.Section<TbsDataSkinSpinEditControl>();
    if (s == nullptr || picture_ == nullptr) {
        TbsSkinCustomControl::PaintSkinLook(look);
        return;
    }
    PaintSkinBody(look, *s);
    PaintSpinEditSkinButtons(look, SkinVisual(*s), SkinPartsOf(*s));
}

SpinEditVisual TbsSkinSpinEdit::SkinVisual(const TbsDataSkinSpinEditControl& s) const {
    return Visual(SpinButtons::SkinLayout(ToRect(s.UpButtonRect), ToRect(s.DownButtonRect),
                                          anchors_.clientRect, anchors_.skinRect.Width(), Width(), 0));
}

void TbsSkinSpinEdit::PaintSkinBody(LookContext& look, const TbsDataSkinSpinEditControl& s) {
    if (picture_ == nullptr) return;
    if (!PaintSpinEditActiveBody(look, SkinVisual(s), SkinPartsOf(s)))
        TbsSkinCustomControl::PaintSkinLook(look);
}

void TbsSkinSpinEdit::PaintDefaultLook(LookContext& look) {
    PaintSpinEditDefault(look, Visual(SpinButtons::DefaultLayout(Width(), Height(), 0)));
}

void TbsSkinSpinEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft) buttons_.Press({x, y});
}

void TbsSkinSpinEdit::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    buttons_.MouseMove({x, y});
}

void TbsSkinSpinEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (button == TMouseButton::mbLeft) buttons_.Release({x, y});
}

void TbsSkinSpinEdit::MouseEnter() {
    TbsSkinCustomControl::MouseEnter();
    hover_ = true;
    HotChanged();
}

void TbsSkinSpinEdit::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    hover_ = false;
    buttons_.MouseLeave();
    HotChanged();
}

void TbsSkinSpinEdit::EnabledChanged() {
    box_->Invalidate();
    TbsSkinCustomControl::EnabledChanged();
}

}  // namespace dsp
