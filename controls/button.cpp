#include "controls/button.h"

#include "controls/default_look.h"
#include "controls/skin_sections.h"
#include "controls/text_paint.h"
#include "platform/framework/application.h"

namespace dsp {

TbsSkinButton::TbsSkinButton(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::Button));
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    model_.OnInvalidate = [this](ButtonModel&) { Invalidate(); };
    model_.OnClick = [this](ButtonModel&) {
        if (OnClick) OnClick(this);
    };
    model_.Siblings = [this] {
        std::vector<ButtonModel*> out;
        if (!Parent()) return out;
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            if (auto* b = dynamic_cast<TbsSkinButton*>(Parent()->Controls(i))) out.push_back(&b->model_);
        }
        return out;
    };
}

void TbsSkinButton::SetCanFocused(bool can) {
    model_.SetCanFocused(can);
    SetTabStop(can);
}

bool TbsSkinButton::DrawnDown() const {
    if (!model_.Down()) return false;
    bool focused = model_.CanFocused() && Focused();
    return model_.Grouped() || model_.Hover() || (focused && !model_.MouseHeld());
}

void TbsSkinButton::PaintDefaultLook(Bitmap& bitmap) {
    Canvas c(bitmap);
    Rect r = ClientRect();
    bool down = DrawnDown();
    bool hot = model_.Hover() || (model_.CanFocused() && Focused());
    DrawStatePart(c, r, down ? PartState::Pressed : hot ? PartState::Hot : PartState::Normal);
    Rect text = r;
    if (down) text = text.Offset(1, 1);
    Color color = EnabledThroughParents() ? DefaultFont().Color() : clBtnShadow;
    PaintCenteredWrapped(c, DefaultFont(), color, Caption(), text);
}

void TbsSkinButton::WndProc(TMessage& message) {
    if (message.Msg == kCmDialogKey) {
        auto key = static_cast<uint16_t>(message.WParam);
        bool enabled = EnabledThroughParents() && Showing();
        // Enter in the form clicks the Default button while a control that is
        // not a button has the focus; Escape clicks a Cancel button.
        TWinControl* focused = Application ? Application->FocusedControl() : nullptr;
        bool buttonFocused = dynamic_cast<TbsSkinButton*>(focused) != nullptr;
        if (enabled && key == kVkReturn && default_ && !buttonFocused) {
            model_.Click();
            message.Result = 1;
            return;
        }
        if (enabled && key == kVkEscape && cancel_ && model_.CanFocused() && message.LParam == 0) {
            model_.Click();
            message.Result = 1;
            return;
        }
    }
    TbsSkinCustomControl::WndProc(message);
}

void TbsSkinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && model_.CanFocused() && !Focused() && CanFocus()) SetFocus();
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft) model_.MousePress();
}

void TbsSkinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (button == TMouseButton::mbLeft) model_.MouseRelease(ClientRect().Contains(Point{x, y}));
}

void TbsSkinButton::MouseEnter() {
    TbsSkinCustomControl::MouseEnter();
    model_.MouseEnter();
}

void TbsSkinButton::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    model_.MouseLeave();
}

void TbsSkinButton::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    if (key == kVkSpace) model_.KeyDown(NavKey::Space);
    if (key == kVkReturn) model_.KeyDown(NavKey::Enter);
}

void TbsSkinButton::KeyUp(uint16_t& key, TShiftState shift) {
    TbsSkinCustomControl::KeyUp(key, shift);
    if (key == kVkSpace) model_.KeyUp(NavKey::Space);
}

void TbsSkinButton::DoEnter() {
    TbsSkinCustomControl::DoEnter();
    Invalidate();
}

void TbsSkinButton::DoExit() {
    TbsSkinCustomControl::DoExit();
    model_.FocusLost();
    Invalidate();
}

void TbsSkinButton::EnabledChanged() {
    if (!Enabled()) model_.FocusLost();
    TbsSkinCustomControl::EnabledChanged();
}

}  // namespace dsp
