#include "platform/framework/form.h"

#include <exception>
#include <utility>

#include "platform/framework/application.h"
#include "platform/framework/host.h"
#include "platform/framework/mouse_message.h"
#include "platform/framework/painter.h"

namespace dsp {

TForm::TForm(TComponent* owner) : TCustomControl(owner) {
    TControl::SetVisible(false);
    SetControlStyle(ControlStyle() | csAcceptsControls);
    if (Application) Application->FormCreated(this);
}

TForm::~TForm() {
    if (Application) Application->FormDestroyed(this);
    host_.reset();
}

void TForm::EnsureHost() {
    if (host_ || !Application) return;
    host_ = Application->Host().CreateWindow(*this);
    host_->SetBounds(BoundsRect());
    host_->SetTitle(Text());
    if (WindowRegion()) host_->SetShape(&*WindowRegion());
}

void TForm::SetVisible(bool visible) {
    if (visible == Visible()) return;
    if (visible) {
        EnsureHost();
        TWinControl::SetVisible(true);
        InvalidateWindowRect({0, 0, Width(), Height()});
        {
            // Showing a normal form activates it, and its activation handler
            // commonly fills the window: the first paint waits for it, so the
            // window is painted once, as it stands activated.
            PaintHold hold(*this);
            if (host_) host_->SetVisible(true);
            if (Application) Application->FormShown(this, true);
        }
        if (OnShow) OnShow(this);
    } else {
        if (OnHide) OnHide(this);
        TWinControl::SetVisible(false);
        if (host_) host_->SetVisible(false);
        if (Application) Application->FormShown(this, false);
    }
}

void TForm::SetBounds(int left, int top, int width, int height) {
    bool resized = width != Width() || height != Height();
    TCustomControl::SetBounds(left, top, width, height);
    if (resized) InvalidateWindowRect({0, 0, Width(), Height()});
    if (host_) host_->SetBounds(BoundsRect());
}

void TForm::SetWindowRegion(std::optional<Region> region) {
    TCustomControl::SetWindowRegion(std::move(region));
    if (host_) host_->SetShape(WindowRegion() ? &*WindowRegion() : nullptr);
}

Point TForm::ClientOrigin() const { return Point{Left(), Top()} + ClientRectInWindow().TopLeft(); }

Point TForm::OffsetInForm() const { return ClientRectInWindow().TopLeft(); }

void TForm::Close() {
    TCloseAction action = TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    if (action == TCloseAction::caNone) return;
    if (Application && Application->MainForm() == this) {
        Hide();
        Application->Terminate();
        return;
    }
    Hide();
    if (action == TCloseAction::caFree) Release();
}

void TForm::Release() {
    if (Application) Application->PostMessage(this, kCmRelease);
}

bool TForm::Active() const { return Application && Application->ActiveForm() == this; }

void TForm::SetActiveControl(TWinControl* control) {
    if (control && control->ParentForm() != this) return;
    activeControl_ = control;
    if (Active() && Application) Application->SetFocusedControl(control ? control : this);
}

void TForm::ActivateChanged(bool active) {
    Perform(kWmActivate, active ? 1 : 0);
    Perform(kWmNcActivate, active ? 1 : 0);
    PaintHold hold(*this);
    if (active && OnActivate) OnActivate(this);
    if (!active && OnDeactivate) OnDeactivate(this);
}

TForm::PaintHold::PaintHold(TForm& form) : form_(form), exceptions_(std::uncaught_exceptions()) {
    ++form_.paintHolds_;
}

// Leaving by an exception paints nothing here: the next pass of the loop (or
// the error report, which paints the forms first) shows what is pending.
TForm::PaintHold::~PaintHold() noexcept(false) {
    if (--form_.paintHolds_ == 0 && std::uncaught_exceptions() == exceptions_) form_.PaintDirty();
}

void TForm::InvalidateWindowRect(const Rect& windowRect) {
    const Rect window{0, 0, Width(), Height()};
    const Rect r = Intersect(windowRect, window);
    // A control changing again before the paint asks for what is already
    // dirty: no new region to build.
    if (r.IsEmpty() || dirty_.Covers(r)) return;
    // A hidden window is painted whole when it shows; building the window
    // changes thousands of rectangles, and summing them would be wasted.
    if (!Visible()) {
        dirty_ = Region(window);
        return;
    }
    dirty_ = dirty_.IsEmpty() ? Region(r) : dirty_.Union(Region(r));
}

void TForm::PaintDirty() {
    if (dirty_.IsEmpty() || !Visible() || Width() <= 0 || Height() <= 0) return;
    if (host_) host_->BeforePaint();
    if (frame_.Width() != Width() || frame_.Height() != Height()) {
        frame_.SetSize(Width(), Height());
        dirty_ = Region({0, 0, Width(), Height()});
    }
    // What was invalidated before the window shrank may lie outside it now.
    const Rect window{0, 0, Width(), Height()};
    Region dirty = std::exchange(dirty_, Region());
    if (Intersect(dirty.Bounds(), window) != dirty.Bounds()) dirty = dirty.Intersect(Region(window));
    if (dirty.IsEmpty()) return;
    Canvas canvas(frame_);
    canvas.PushClip(dirty);
    if (!dirty.IsRect() || !PaintWithinOneControl(canvas, *this, dirty.Bounds()))
        PaintWindowTree(canvas, *this, {0, 0});
    if (host_) host_->Present(frame_, dirty);
}

void TForm::PaintTo(Canvas& canvas, Point origin) { PaintWindowTree(canvas, *this, origin); }

void TForm::WndProc(TMessage& m) {
    switch (m.Msg) {
        case kWmClose:
            Close();
            return;
        case kWmSysCommand:
            if (m.WParam == kScClose) {
                Close();
                return;
            }
            break;
        case kWmNcHitTest: {
            const Point p = PointOf(m)->Screen(*this) - Point{Left(), Top()};
            m.Result = ClientRectInWindow().Contains(p) ? kHtClient : kHtNowhere;
            return;
        }
        case kWmSetText:
            if (host_) host_->SetTitle(Text());
            break;
        default:
            break;
    }
    TCustomControl::WndProc(m);
}

void TForm::Paint() {}

bool TForm::DialogKey(uint16_t key, TShiftState shift) {
    if (TCustomControl::DialogKey(key, shift)) return true;
    switch (key) {
        case kVkTab:
            if (shift & (ssCtrl | ssAlt)) return false;
            SelectNext(activeControl_, !(shift & ssShift), true);
            return true;
        case kVkLeft:
        case kVkUp:
        case kVkRight:
        case kVkDown:
            if (activeControl_ && activeControl_->Parent()) {
                activeControl_->Parent()->SelectNext(activeControl_, key == kVkRight || key == kVkDown,
                                                     false);
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace dsp
