#pragma once
// Turns host input (screen coordinates) into control messages: finds the
// control under the pointer, honours the mouse capture and disabled parents,
// tracks hover enter and leave, recognises double-clicks, routes keys to the
// focused control through the dialog-key rules, and the wheel to the focus.

#include <cstdint>

#include "platform/framework/clock.h"
#include "platform/framework/host.h"

namespace dsp {

class TControl;
class TWinControl;
class TApplication;

inline constexpr TimeMs kDoubleClickMs = 500;
inline constexpr int kDoubleClickDistance = 4;

class InputRouter {
  public:
    InputRouter(TApplication& app, const Clock& clock) : app_(app), clock_(clock) {}

    void Route(const HostEvent& event);

    TControl* Capture() const { return capture_; }
    void SetCapture(TControl* control);
    TControl* Hover() const { return hover_; }
    Point CursorPos() const { return cursor_; }
    // The control under a screen point that would get a click there (nullptr
    // over no window or a disabled one).
    TControl* ControlAtScreen(Point screen) const;
    // A pop-up that holds the keyboard without the focus (an open menu):
    // every key and typed character goes to it. nullptr lets go.
    void SetKeyGrab(TWinControl* control) { keyGrab_ = control; }
    TWinControl* KeyGrab() const { return keyGrab_; }
    // Forgets a control that is being destroyed.
    void Forget(TControl* control);

  private:
    struct Target {
        TControl* control = nullptr;
        int hitCode = 0;  // kHtClient, or the non-client code
    };
    Target FindTarget(TForm* form, Point screen) const;
    void Mouse(const HostEvent& event);
    void Wheel(const HostEvent& event);
    void Key(const HostEvent& event);
    void Text(const HostEvent& event);
    void SetHover(TControl* control);
    bool IsDoubleClick(TControl* target, const HostEvent& event);
    TWinControl* KeyTarget() const;

    TApplication& app_;
    const Clock& clock_;
    TControl* capture_ = nullptr;
    TControl* hover_ = nullptr;
    TWinControl* keyGrab_ = nullptr;
    Point cursor_;
    TShiftState buttons_ = 0;
    struct LastPress {
        TControl* control = nullptr;
        TMouseButton button = TMouseButton::mbLeft;
        TimeMs time = 0;
        Point screen;
    } lastPress_;
};

}  // namespace dsp
