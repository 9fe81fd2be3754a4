#pragma once
// TControl: a visible element of a window. Windowless controls (TControl,
// TGraphicControl) live inside their windowed parent and are painted by it;
// windowed ones (TWinControl and descendants) hold children, take the
// keyboard focus and may have a non-client area and a window region.
//
// Everything reaches a control as a message through WindowProc, which starts
// as WndProc and may be replaced by a component that wants to see messages
// first (it keeps the previous one and calls it for what it does not handle).

#include <cstdint>
#include <functional>
#include <string>

#include "platform/framework/component.h"
#include "platform/framework/cursor.h"
#include "platform/framework/keys.h"
#include "platform/framework/messages.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/color.h"
#include "platform/graphics/geometry.h"

namespace dsp {

class TWinControl;
class TForm;
class FontEngine;

// Control style flags.
using TControlStyle = uint32_t;
inline constexpr TControlStyle csAcceptsControls = 0x01;
inline constexpr TControlStyle csCaptureMouse = 0x02;  // capture the mouse while a button is held
inline constexpr TControlStyle csClickEvents = 0x04;   // a press and release inside fires Click
inline constexpr TControlStyle csDoubleClicks = 0x08;  // a second quick press is a double-click
inline constexpr TControlStyle csOpaque = 0x10;        // paint covers everything; no erase fill

using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TMouseWheelEvent =
    std::function<void(TObject* sender, TShiftState shift, int wheelDelta, Point mousePos, bool& handled)>;
using TWndMethod = std::function<void(TMessage& message)>;

class TControl : public TComponent {
  public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // The tree.
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TForm* ParentForm() const;  // the top-level form this control is on (itself for a form)
    // The form this control is, if it is one: every invalidation asks the
    // top control this, so it is a virtual call rather than a cast.
    virtual TForm* AsForm() { return nullptr; }
    virtual bool IsWindowed() const { return false; }

    // Bounds, in the parent's client coordinates (screen coordinates for forms).
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    Rect BoundsRect() const { return Rect::FromOriginSize(left_, top_, width_, height_); }
    void SetBoundsRect(const Rect& r) { SetBounds(r.left, r.top, r.Width(), r.Height()); }
    virtual Rect ClientRect() const { return {0, 0, width_, height_}; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    // Where the client (0, 0) lies on the screen, and conversions.
    virtual Point ClientOrigin() const;
    Point ClientToScreen(Point p) const { return p + ClientOrigin(); }
    Point ScreenToClient(Point p) const { return p - ClientOrigin(); }
    // Where the client (0, 0) lies in the form's window (frame) coordinates.
    virtual Point OffsetInForm() const;

    // State.
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all parents up to a shown form.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    // Enabled, and so are all parents: only then does the control get input.
    bool EnabledThroughParents() const;
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& text) { SetText(text); }
    Color GetColor() const { return color_; }
    void SetColor(Color c);
    // The pointer's shape over the client area (crDefault: the parent's).
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    TControlStyle ControlStyle() const { return style_; }
    void SetControlStyle(TControlStyle style) { style_ = style; }

    // Mouse capture: all mouse input goes to this control until released.
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);
    // The pointer is over this control (it had the last mouse-enter).
    bool MouseInControl() const;

    // Painting. Invalidate marks the control (or part of its client area) to
    // be painted on the next pass; Update paints pending parts now.
    void Invalidate();
    void InvalidateRect(const Rect& clientRect);
    void Update();
    void Repaint() {
        Invalidate();
        Update();
    }
    // The canvas of the paint in progress (nullptr outside painting). Its
    // origin is the control's client (0, 0) and it is clipped to what may be
    // drawn.
    Canvas* PaintCanvas() const { return paintCanvas_; }
    // The application's font engine: the control measures its texts with it
    // and hands it to its painters. Raises std::logic_error without an
    // application object.
    FontEngine& Fonts() const;

    // Z-order among the parent's children of the same kind.
    void BringToFront();
    void SendToBack();

    // A synchronous message to this control.
    intptr_t Perform(uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);
    void Dispatch(TMessage& message) { WindowProc(message); }
    TWndMethod WindowProc;

    // Window timers of this control: kWmTimer with the id in WParam.
    void SetTimer(uint32_t id, uint32_t intervalMs);
    bool KillTimer(uint32_t id);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelEvent OnMouseWheel;

    // Called by the framework's painter: sets up PaintCanvas and sends kWmPaint.
    void PaintWith(Canvas& canvas);

  protected:
    // The default message handling; descendants override and call the base
    // for what they do not handle.
    virtual void WndProc(TMessage& message);

    virtual void Paint() {}
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // Returns whether the wheel was used.
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, Point mousePos);
    virtual void TimerFired(uint32_t /*id*/) {}
    // Shows the pointer's shape for `hitCode` over this control.
    void ShowCursorFor(int hitCode);
    virtual void Resize();
    virtual void EnabledChanged() { Invalidate(); }
    virtual void VisibleChanged() {}
    virtual void TextChanged() { Invalidate(); }

    // The rectangle of this control in its form's window coordinates.
    Rect RectInForm() const;
    // RectInForm cut to the client areas of the parents around it.
    Rect VisibleRectInForm() const;
    void InvalidateFormRect(const Rect& formRect) const;

  private:
    void HandleMouseMessage(TMessage& message);

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool clicked_ = false;
    std::string text_;
    Color color_ = clBtnFace;
    TCursor cursor_ = TCursor::crDefault;
    TControlStyle style_ = csCaptureMouse | csClickEvents | csDoubleClicks;
    Canvas* paintCanvas_ = nullptr;

    friend class TWinControl;
};

// A windowless control that paints itself.
class TGraphicControl : public TControl {
  public:
    using TControl::TControl;
};

// Mouse key state of a shift state, for mouse message WParams.
uintptr_t ShiftToKeys(TShiftState shift);
TShiftState KeysToShift(uintptr_t keys);

}  // namespace dsp
