#include "controls/spin_edit.h"

#include <utility>

#include "controls/default_look.h"
#include "controls/model/wheel.h"
#include "controls/skin_sections.h"
#include "controls/text_paint.h"

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
        if (OnEditEnter) OnEditEnter(this);
    };
    box_->OnExit = [this](TObject*) {
        if (OnEditExit) OnEditExit(this);
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
    SpinEditLayout l = SpinButtons::DefaultLayout(Width(), Height(), TextHeight(box_->DefaultFont()));
    buttons_.SetButtons(l.buttons);
    box_->SetBounds(l.box.left, l.box.top, l.box.Width(), l.box.Height());
}

void TbsSkinSpinEdit::PaintDefaultLook(Bitmap& bitmap) {
    Canvas c(bitmap);
    Rect all = ClientRect();
    c.FillRect(all, defaultColor_);
    c.FrameRect(all, clBtnShadow);
    c.FrameRect({1, 1, all.right - 1, all.bottom - 1}, clBtnFace);
    SpinEditLayout l = SpinButtons::DefaultLayout(Width(), Height(), 0);
    for (int i = 0; i < 2; ++i) {
        const Rect& r = l.buttons[static_cast<size_t>(i)];
        PartState state = PartState::Normal;
        if (buttons_.Pressed(i) && buttons_.Hover(i)) {
            state = PartState::Pressed;
        } else if (buttons_.Hover(i)) {
            state = PartState::Hot;
        }
        if (state == PartState::Normal) {
            c.FillRect(r, clBtnFace);
        } else {
            DrawStatePart(c, r, state);
        }
        DrawSpinArrow(c, r, i == 0, clBlack);
    }
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

void TbsSkinSpinEdit::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    buttons_.MouseLeave();
}

void TbsSkinSpinEdit::EnabledChanged() {
    box_->Invalidate();
    TbsSkinCustomControl::EnabledChanged();
}

}  // namespace dsp
