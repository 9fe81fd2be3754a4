#include "platform/framework/input_router.h"

#include <cstdlib>

#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/framework/mouse_message.h"
#include "platform/text/utf8.h"

namespace dsp {
namespace {

TShiftState ButtonFlag(TMouseButton b) {
    switch (b) {
        case TMouseButton::mbLeft:
            return ssLeft;
        case TMouseButton::mbRight:
            return ssRight;
        default:
            return ssMiddle;
    }
}

}  // namespace

void InputRouter::SetCapture(TControl* control) {
    if (control == capture_) return;
    TControl* old = capture_;
    capture_ = control;
    if (old) old->Perform(kWmCaptureChanged, 0, reinterpret_cast<intptr_t>(control));
    TForm* oldForm = old ? old->ParentForm() : nullptr;
    TForm* newForm = control ? control->ParentForm() : nullptr;
    if (oldForm && oldForm != newForm && oldForm->Host()) oldForm->Host()->SetCapture(false);
    if (newForm && newForm->Host()) newForm->Host()->SetCapture(true);
}

void InputRouter::Forget(TControl* control) {
    if (capture_ == control) capture_ = nullptr;
    if (hover_ == control) hover_ = nullptr;
    if (lastPress_.control == control) lastPress_.control = nullptr;
    if (keyGrab_ == control) keyGrab_ = nullptr;
}

InputRouter::Target InputRouter::FindTarget(TForm* form, Point screen) const {
    if (!form || !form->Visible() || !form->Enabled()) return {};
    if (!form->WindowContains(screen - Point{form->Left(), form->Top()})) return {};
    const intptr_t at = MousePoint::OnScreen(screen).Pack();
    int code = static_cast<int>(form->Perform(kWmNcHitTest, 0, at));
    if (code != kHtClient) return {form, code};
    // Walk down; stop at a disabled child, whose input its enabled parent gets.
    TWinControl* window = form;
    for (;;) {
        TControl* child = window->ControlAtPos(window->ScreenToClient(screen));
        if (!child || !child->Enabled()) return {window, kHtClient};
        auto* childWindow = dynamic_cast<TWinControl*>(child);
        if (!childWindow) return {child, kHtClient};
        int childCode = static_cast<int>(child->Perform(kWmNcHitTest, 0, at));
        if (childCode == kHtTransparent) return {window, kHtClient};
        if (childCode != kHtClient) return {child, childCode};
        window = childWindow;
    }
}

TControl* InputRouter::ControlAtScreen(Point screen) const {
    return FindTarget(app_.FormAtScreen(screen), screen).control;
}

void InputRouter::SetHover(TControl* control) {
    if (control == hover_) return;
    TControl* old = hover_;
    hover_ = control;
    if (old) old->Perform(kCmMouseLeave);
    if (hover_ == control && control) control->Perform(kCmMouseEnter);
}

bool InputRouter::IsDoubleClick(TControl* target, const HostEvent& e) {
    TimeMs now = clock_.Now();
    bool dbl = lastPress_.control == target && lastPress_.button == e.button &&
               now - lastPress_.time <= kDoubleClickMs &&
               std::abs(e.screen.x - lastPress_.screen.x) <= kDoubleClickDistance &&
               std::abs(e.screen.y - lastPress_.screen.y) <= kDoubleClickDistance;
    // A double-click ends the sequence; the third press starts a new one.
    lastPress_ = dbl ? LastPress{} : LastPress{target, e.button, now, e.screen};
    return dbl;
}

void InputRouter::Route(const HostEvent& e) {
    switch (e.kind) {
        case HostEvent::Kind::MouseMove:
        case HostEvent::Kind::MouseDown:
        case HostEvent::Kind::MouseUp:
            Mouse(e);
            break;
        case HostEvent::Kind::Leave:
            if (!capture_) SetHover(nullptr);
            break;
        case HostEvent::Kind::Wheel:
            Wheel(e);
            break;
        case HostEvent::Kind::KeyDown:
        case HostEvent::Kind::KeyUp:
            Key(e);
            break;
        case HostEvent::Kind::Text:
            Text(e);
            break;
        default:
            break;
    }
}

void InputRouter::Mouse(const HostEvent& e) {
    cursor_ = e.screen;
    if (e.kind == HostEvent::Kind::MouseDown) buttons_ |= ButtonFlag(e.button);
    if (e.kind == HostEvent::Kind::MouseUp) buttons_ &= ~ButtonFlag(e.button);
    TForm* form = app_.FormAtScreen(e.screen);
    Target under = FindTarget(form, e.screen);
    SetHover(under.hitCode == kHtClient ? under.control : nullptr);

    // Pressing on a normal form that does not have the keyboard activates it.
    if (e.kind == HostEvent::Kind::MouseDown && !capture_ && form && !form->IsPopup() && !form->Active())
        app_.ActivateForm(form);

    Target target = capture_ ? Target{capture_, kHtClient} : under;
    if (!target.control) return;
    TShiftState shift = (e.shift & (ssShift | ssCtrl | ssAlt)) | buttons_;
    bool nonClient = target.hitCode != kHtClient;
    if (e.kind == HostEvent::Kind::MouseMove)
        target.control->Perform(kWmSetCursor, static_cast<uintptr_t>(target.hitCode));
    MouseAction action = MouseAction::Move;
    if (e.kind != HostEvent::Kind::MouseMove) {
        const bool down = e.kind == HostEvent::Kind::MouseDown;
        const bool dbl = down && IsDoubleClick(target.control, e) &&
                         (nonClient || (target.control->ControlStyle() & csDoubleClicks));
        action = dbl ? MouseAction::DoubleClick : down ? MouseAction::Down : MouseAction::Up;
    }
    const uint32_t msg = MouseMessageNumber(action, e.button, nonClient);
    if (msg == kWmNull) return;
    // Non-client messages carry the hit code and a screen point, client ones
    // the keys held and a client point.
    if (nonClient)
        target.control->Perform(msg, static_cast<uintptr_t>(target.hitCode),
                                MousePoint::OnScreen(e.screen).Pack());
    else
        target.control->Perform(msg, ShiftToKeys(shift),
                                MousePoint::InClient(target.control->ScreenToClient(e.screen)).Pack());
}

TWinControl* InputRouter::KeyTarget() const {
    TWinControl* focused = app_.FocusedControl();
    if (focused && focused->EnabledThroughParents() && focused->Showing()) return focused;
    return nullptr;
}

void InputRouter::Wheel(const HostEvent& e) {
    TShiftState shift = (e.shift & (ssShift | ssCtrl | ssAlt)) | buttons_;
    uintptr_t w = MakeWheelWParam(e.wheelDelta, ShiftToKeys(shift));
    TControl* target = KeyTarget();
    if (!target) target = FindTarget(app_.FormAtScreen(e.screen), e.screen).control;
    // Unhandled wheel messages climb to the parent, as the platform does.
    for (TControl* c = target; c; c = c->Parent()) {
        if (!c->EnabledThroughParents()) return;
        if (c->Perform(kWmMouseWheel, w, MousePoint::OnScreen(e.screen).Pack()) != 0) return;
    }
}

void InputRouter::Key(const HostEvent& e) {
    intptr_t grabParam = static_cast<intptr_t>(e.shift) | (e.repeat ? kKeyRepeatFlag : 0);
    if (keyGrab_) {
        keyGrab_->Perform(e.kind == HostEvent::Kind::KeyUp ? kWmKeyUp : kWmKeyDown, e.key, grabParam);
        return;
    }
    TWinControl* target = KeyTarget();
    TForm* form = app_.ActiveForm();
    // Alt+F4 asks the active window to close, as the display's own frame
    // would; a window that draws its frame itself gets it from here.
    if (e.kind == HostEvent::Kind::KeyDown && e.key == kVkF4 && (e.shift & ssAlt) && !(e.shift & ssCtrl) &&
        form && form->EnabledThroughParents()) {
        form->Perform(kWmSysCommand, kScClose);
        return;
    }
    if (!target) target = form && form->EnabledThroughParents() ? form : nullptr;
    if (!target) return;
    intptr_t lParam = static_cast<intptr_t>(e.shift) | (e.repeat ? kKeyRepeatFlag : 0);
    if (e.kind == HostEvent::Kind::KeyUp) {
        target->Perform(kWmKeyUp, e.key, lParam);
        return;
    }
    // Tab, arrows, Enter and Escape go to the form as dialog keys unless the
    // focused control asks for them.
    intptr_t mask = 0;
    if (e.key == kVkTab) mask = kDlgcWantTab;
    if (e.key >= kVkLeft && e.key <= kVkDown) mask = kDlgcWantArrows;
    if (e.key == kVkReturn || e.key == kVkEscape) mask = kDlgcWantAllKeys;
    if (mask != 0) {
        intptr_t code = target->Perform(kWmGetDlgCode);
        if (!(code & (mask | kDlgcWantAllKeys)) && form &&
            form->Perform(kCmDialogKey, e.key, static_cast<intptr_t>(e.shift)) != 0)
            return;
    }
    if (target->Perform(kWmKeyDown, e.key, lParam) != 0) return;
    // The keys that type a control character, as the platform's translation does.
    char32_t ch = 0;
    if (e.key == kVkBack) ch = 8;
    if (e.key == kVkTab) ch = 9;
    if (e.key == kVkReturn) ch = 13;
    if (e.key == kVkEscape) ch = 27;
    if (ch != 0 && !(e.shift & (ssCtrl | ssAlt)) && KeyTarget() == target) target->Perform(kWmChar, ch);
}

void InputRouter::Text(const HostEvent& e) {
    if (keyGrab_) {
        for (char32_t cp : DecodeUtf8(e.text)) {
            if (!keyGrab_) return;
            keyGrab_->Perform(kWmChar, cp);
        }
        return;
    }
    TWinControl* target = KeyTarget();
    if (!target) return;
    for (char32_t cp : DecodeUtf8(e.text)) {
        if (KeyTarget() != target) return;  // a handler moved the focus
        target->Perform(kWmChar, cp);
    }
}

}  // namespace dsp
