#include "controls/combo_box.h"

#include "controls/default_look.h"
#include "controls/model/wheel.h"
#include "controls/popup_list_box.h"
#include "controls/scroll_bar.h"
#include "controls/skin_sections.h"
#include "controls/text_paint.h"
#include "platform/framework/application.h"
#include "platform/text/utf8.h"

namespace dsp {
TbsSkinComboBox::TbsSkinComboBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::ComboBox));
    SetBounds(0, 0, 120, 20);
    SetTabStop(true);
    list_ = new TbsPopupListBox(*this);
    model_.Environment = [this] {
        DropDownEnvironment env;
        Point origin = ClientToScreen({0, 0});
        env.combo = Rect::FromOriginSize(origin.x, origin.y, Width(), Height());
        env.workArea = Application ? Application->WorkArea() : kFallbackWorkArea;
        env.itemHeight = itemHeight_;
        env.rowsTop = kListFrame;
        return env;
    };
    model_.OnInvalidate = [this](ComboBoxModel&) {
        Invalidate();
        if (list_->Visible()) {
            list_->Sync();
            list_->Invalidate();
        }
    };
    model_.OnChange = [this](ComboBoxModel&) {
        if (OnChange) OnChange(this);
    };
    model_.OnClick = [this](ComboBoxModel&) {
        if (OnClick) OnClick(this);
    };
    model_.OnCloseUp = [this](ComboBoxModel&) {
        if (OnCloseUp) OnCloseUp(this);
    };
    model_.OnDropDown = [this](ComboBoxModel&) {
        if (OnDropDown) OnDropDown(this);
    };
    model_.OnShowList = [this](ComboBoxModel& m) {
        list_->SetItemHeight(itemHeight_);
        list_->ShowAt(m.ListRect());
    };
    model_.OnHideList = [this](ComboBoxModel&) { list_->HideList(); };
}

void TbsSkinComboBox::SetItems(std::vector<std::string> items) {
    model_.SetItems(std::move(items));
    Invalidate();
}

void TbsSkinComboBox::SetItemIndex(int index) {
    model_.SetLoading(Loading());  // nothing fires while the stored layout is read
    model_.SetItemIndex(index);
    model_.SetLoading(false);
}

void TbsSkinComboBox::SetText(const std::string& text) {
    model_.SetLoading(Loading());
    model_.SetText(text);
    model_.SetLoading(false);
}

void TbsSkinComboBox::Loaded() {
    TbsSkinCustomControl::Loaded();
    model_.SetLoading(false);
}

void TbsSkinComboBox::PaintDefaultLook(Bitmap& bitmap) {
    Canvas c(bitmap);
    Rect all = ClientRect();
    c.FillRect(all, clBtnFace);
    c.FrameRect(all, clBtnShadow);
    c.FillRect({1, 1, all.right - 1, all.bottom - 1}, defaultColor_);
    Rect button = ButtonRect();
    PartState state = buttonPressed_ && buttonHover_ ? PartState::Pressed
                      : buttonHover_                 ? PartState::Hot
                                                     : PartState::Normal;
    DrawStatePart(c, button, state);
    bool enabled = EnabledThroughParents();
    DrawSpinArrow(c, button, false, enabled ? clBlack : clBtnShadow);
    Rect text = TextAreaRect();
    PaintText(c, font_, enabled ? font_.Color() : clGrayText, model_.Text(),
              {text.left + 2, text.top, text.right, text.bottom},
              kDtLeft | kDtVCenter | kDtSingleLine | kDtNoPrefix);
}

void TbsSkinComboBox::WndProc(TMessage& message) {
    if (message.Msg == kWmGetDlgCode) {
        message.Result = kDlgcWantArrows | kDlgcWantChars | (model_.Dropped() ? kDlgcWantAllKeys : 0);
        return;
    }
    TbsSkinCustomControl::WndProc(message);
}

void TbsSkinComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!Focused()) SetFocus();
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    // In the fixed style the whole control opens the list.
    if (ClientRect().Contains(Point{x, y})) {
        buttonPressed_ = true;
        Invalidate();
        model_.PressOnDropArea();
    } else {
        model_.PressElsewhere();
    }
}

void TbsSkinComboBox::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    bool hover = ButtonRect().Contains(Point{x, y});
    if (hover != buttonHover_) {
        buttonHover_ = hover;
        Invalidate();
    }
    if (MouseCapture()) {
        Point s = ClientToScreen({x, y});
        model_.HeldMove({s.x, s.y});
    }
}

void TbsSkinComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    SetMouseCapture(false);
    Point s = ClientToScreen({x, y});
    bool overList = Application && list_->Visible() && Application->FormAtScreen(s) == list_;
    model_.Release(overList);
    buttonPressed_ = false;
    Invalidate();
}

void TbsSkinComboBox::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    if (buttonHover_) {
        buttonHover_ = false;
        Invalidate();
    }
}

void TbsSkinComboBox::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    NavKey nav = NavKey::Other;
    switch (key) {
        case kVkReturn:
            nav = NavKey::Enter;
            break;
        case kVkEscape:
            nav = NavKey::Escape;
            break;
        case kVkPrior:
            nav = NavKey::PageUp;
            break;
        case kVkNext:
            nav = NavKey::PageDown;
            break;
        case kVkLeft:
            nav = NavKey::Left;
            break;
        case kVkUp:
            nav = NavKey::Up;
            break;
        case kVkRight:
            nav = NavKey::Right;
            break;
        case kVkDown:
            nav = NavKey::Down;
            break;
        default:
            return;
    }
    if (model_.KeyDown(nav, (shift & ssAlt) != 0)) key = 0;
}

void TbsSkinComboBox::KeyPress(char32_t& key) {
    TbsSkinCustomControl::KeyPress(key);
    if (key < U' ') return;
    long long now = Application ? Application->GetClock().Now() : 0;
    model_.KeyChar(EncodeUtf8(std::u32string(1, key)), now);
}

bool TbsSkinComboBox::DoMouseWheel(TShiftState shift, int wheelDelta, Point) {
    model_.Wheel(WheelParam(wheelDelta, static_cast<unsigned>(ShiftToKeys(shift))));
    return true;
}

void TbsSkinComboBox::DoExit() {
    TbsSkinCustomControl::DoExit();
    model_.FocusLost();
}

}  // namespace dsp
