#include "platform/framework/control.h"

#include <stdexcept>

#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/framework/host.h"
#include "platform/framework/mouse_message.h"
#include "platform/framework/win_control.h"

namespace dsp {

uintptr_t ShiftToKeys(TShiftState shift) {
    uintptr_t keys = 0;
    if (shift & ssLeft) keys |= kMkLButton;
    if (shift & ssRight) keys |= kMkRButton;
    if (shift & ssMiddle) keys |= kMkMButton;
    if (shift & ssShift) keys |= kMkShift;
    if (shift & ssCtrl) keys |= kMkControl;
    return keys;
}

TShiftState KeysToShift(uintptr_t keys) {
    TShiftState shift = 0;
    if (keys & kMkLButton) shift |= ssLeft;
    if (keys & kMkRButton) shift |= ssRight;
    if (keys & kMkMButton) shift |= ssMiddle;
    if (keys & kMkShift) shift |= ssShift;
    if (keys & kMkControl) shift |= ssCtrl;
    return shift;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
}

TControl::~TControl() {
    if (Application) Application->ControlDestroyed(this);
    if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EComponentError("A control cannot have itself as its parent");
    Invalidate();
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
    Invalidate();
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return const_cast<TControl*>(c)->AsForm();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    bool resized = width != width_ || height != height_;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
    Perform(kWmMove, 0, MakeLParam(left, top));
    if (resized) {
        Perform(kWmSize, 0, MakeLParam(width, height));
        Resize();
    }
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

Point TControl::ClientOrigin() const {
    Point p{left_, top_};
    return parent_ ? parent_->ClientOrigin() + p : p;
}

Point TControl::OffsetInForm() const {
    Point p{left_, top_};
    return parent_ ? parent_->OffsetInForm() + p : Point{};
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible) {
        Invalidate();
        if (Application && MouseCapture()) Application->Input().SetCapture(nullptr);
    }
    visible_ = visible;
    if (visible) Invalidate();
    Perform(kCmVisibleChanged, visible ? 1 : 0);
    VisibleChanged();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return ParentForm() != nullptr;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (!enabled && Application && MouseCapture()) Application->Input().SetCapture(nullptr);
    Perform(kWmEnable, enabled ? 1 : 0);
    Perform(kCmEnabledChanged, enabled ? 1 : 0);
    EnabledChanged();
}

bool TControl::EnabledThroughParents() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

void TControl::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Perform(kWmSetText);
    Perform(kCmTextChanged);
    TextChanged();
}

void TControl::SetColor(Color c) {
    if (c == color_) return;
    color_ = c;
    Invalidate();
}

bool TControl::MouseCapture() const { return Application && Application->Input().Capture() == this; }

void TControl::SetMouseCapture(bool capture) {
    if (!Application) return;
    if (capture)
        Application->Input().SetCapture(this);
    else if (MouseCapture())
        Application->Input().SetCapture(nullptr);
}

void TControl::ShowCursorFor(int hitCode) {
    TCursor client = TCursor::crDefault;
    for (const TControl* c = this; c && client == TCursor::crDefault; c = c->Parent()) client = c->Cursor();
    TForm* form = ParentForm();
    if (HostWindow* host = form ? form->Host() : nullptr) host->SetCursor(CursorForHitCode(hitCode, client));
}

bool TControl::MouseInControl() const { return Application && Application->Input().Hover() == this; }

FontEngine& TControl::Fonts() const {
    if (Application == nullptr)
        throw std::logic_error("controls measure and draw text only with an application");
    return Application->Fonts();
}

Rect TControl::RectInForm() const {
    if (!parent_) return Rect::FromOriginSize(0, 0, width_, height_);
    Point p = parent_->OffsetInForm() + Point{left_, top_};
    return Rect::FromOriginSize(p.x, p.y, width_, height_);
}

// What the painter can show of the control: its parents clip every child to
// their client areas, so nothing outside them needs painting again.
Rect TControl::VisibleRectInForm() const {
    Rect r = RectInForm();
    for (const TWinControl* p = parent_; p != nullptr && !r.IsEmpty(); p = p->Parent()) {
        const Rect client = p->ClientRectInWindow();
        r = Intersect(r, Rect::FromOriginSize(p->OffsetInForm().x, p->OffsetInForm().y, client.Width(),
                                              client.Height()));
    }
    return r;
}

void TControl::InvalidateFormRect(const Rect& formRect) const {
    if (TForm* form = ParentForm()) form->InvalidateWindowRect(formRect);
}

void TControl::Invalidate() {
    if (!visible_) return;
    InvalidateFormRect(VisibleRectInForm());
}

void TControl::InvalidateRect(const Rect& clientRect) {
    if (!visible_) return;
    Point off = OffsetInForm();
    InvalidateFormRect(Intersect(clientRect.Offset(off), VisibleRectInForm()));
}

void TControl::Update() {
    TForm* form = ParentForm();
    if (form && !form->PaintHeld()) form->PaintDirty();
}

void TControl::BringToFront() {
    if (parent_) parent_->Restack(this, true);
}

void TControl::SendToBack() {
    if (parent_) parent_->Restack(this, false);
}

intptr_t TControl::Perform(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::SetTimer(uint32_t id, uint32_t intervalMs) {
    if (Application) Application->Timers().Set(this, id, intervalMs);
}

bool TControl::KillTimer(uint32_t id) { return Application && Application->Timers().Kill(this, id); }

void TControl::PaintWith(Canvas& canvas) {
    Canvas* previous = paintCanvas_;
    paintCanvas_ = &canvas;
    try {
        Perform(kWmPaint, reinterpret_cast<uintptr_t>(&canvas));
    } catch (...) {
        paintCanvas_ = previous;
        throw;
    }
    paintCanvas_ = previous;
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
        case kWmPaint:
            if (paintCanvas_) Paint();
            break;
        case kWmTimer:
            TimerFired(static_cast<uint32_t>(m.WParam));
            break;
        case kCmMouseEnter:
            MouseEnter();
            break;
        case kCmMouseLeave:
            MouseLeave();
            break;
        case kWmMouseWheel: {
            const Point screen = PointOf(m)->Screen(*this);
            m.Result = DoMouseWheel(KeysToShift(m.WParam), WheelDelta(m.WParam), screen) ? 1 : 0;
            break;
        }
        case kWmMouseMove:
        case kWmLButtonDown:
        case kWmLButtonUp:
        case kWmLButtonDblClk:
        case kWmRButtonDown:
        case kWmRButtonUp:
        case kWmRButtonDblClk:
        case kWmMButtonDown:
        case kWmMButtonUp:
        case kWmMButtonDblClk:
            HandleMouseMessage(m);
            break;
        case kWmNcHitTest:
            m.Result = kHtClient;
            break;
        case kWmSetCursor:
            ShowCursorFor(static_cast<int>(m.WParam));
            m.Result = 1;
            break;
        default:
            break;
    }
}

void TControl::HandleMouseMessage(TMessage& m) {
    const MouseMessage mouse = *DecodeMouse(m);
    const Point p = mouse.point.Client(*this);
    const TMouseButton b = mouse.button;
    switch (mouse.action) {
        case MouseAction::Move:
            MouseMove(mouse.shift, p.x, p.y);
            break;
        case MouseAction::Down:
        case MouseAction::DoubleClick: {
            const bool dbl = mouse.action == MouseAction::DoubleClick;
            if (b == TMouseButton::mbLeft && (style_ & csCaptureMouse)) SetMouseCapture(true);
            if (b == TMouseButton::mbLeft && (style_ & csClickEvents)) clicked_ = true;
            if (dbl) DblClick();
            MouseDown(b, mouse.shift | (dbl ? ssDouble : 0), p.x, p.y);
            break;
        }
        case MouseAction::Up:
            if (b == TMouseButton::mbLeft && (style_ & csCaptureMouse)) SetMouseCapture(false);
            if (b == TMouseButton::mbLeft && clicked_) {
                clicked_ = false;
                if (ClientRect().Contains(p)) Click();
            }
            MouseUp(b, mouse.shift, p.x, p.y);
            break;
    }
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, Point mousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    return handled;
}

}  // namespace dsp
