#pragma once
// The window host: what puts top-level forms on a screen. The headless host
// keeps an in-memory screen for tests; the SDL host opens real windows. The
// application talks to both through these two interfaces only, and hosts
// report input back as HostEvents.

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/cursor.h"
#include "platform/framework/keys.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/region.h"
#include "platform/sys/waitable.h"

namespace dsp {

class TForm;

// One top-level window of a host.
class HostWindow {
  public:
    virtual ~HostWindow() = default;
    virtual void SetBounds(const Rect& screenBounds) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // Shows the pixels of `dirty` (window coordinates) from the form's frame
    // bitmap; the rest of the window keeps what it showed. The region is
    // never empty, and covers the whole frame when its size has changed.
    virtual void Present(const Bitmap& frame, const Region& dirty) = 0;
    // The form is about to paint into (or resize) the frame bitmap it last
    // presented: a window still showing from that bitmap keeps its pixels now.
    virtual void BeforePaint() {}
    // The window's shape (window coordinates); nullptr: rectangular.
    virtual void SetShape(const Region* shape) = 0;
    // Raises the window and gives it the keyboard (normal windows only).
    virtual void Activate() = 0;
    // Keep mouse input coming while a control holds the capture.
    virtual void SetCapture(bool capture) = 0;
    // Shrinks the window to its icon, and brings it back.
    virtual void Minimize() = 0;
    virtual void Restore() = 0;
    // Hands a move of the window by the pointer (pressed at `screen`, where
    // the move is measured from) to the
    // display's window manager. False when there is none to take it; the
    // program then moves the window itself.
    virtual bool BeginSystemMove(Point screen) = 0;
    // Sets the whole window's opacity (0 transparent to 255 opaque, which
    // ends any translucency). False, with nothing changed, where the display
    // cannot show a window translucent.
    virtual bool SetOpacity(int alpha) {
        (void)alpha;
        return false;
    }
    // The pointer's shape while it is over the window.
    virtual void SetCursor(TCursor cursor) { (void)cursor; }
};

struct HostEvent {
    enum class Kind {
        MouseMove,
        MouseDown,
        MouseUp,
        Wheel,
        KeyDown,
        KeyUp,
        Text,        // typed text (UTF-8)
        Activate,    // the window got the keyboard
        Deactivate,  // the window lost it
        Close,       // the user asked to close the window
        Expose,      // the window's contents were lost; repaint all
        Moved,       // the window was moved by the window manager (screen = new top-left)
        Resized,     // the window was resized by the window manager (screen = new size)
        Leave,       // the pointer left the window
        Minimized,   // the display took the window to its icon
        Restored,    // the display brought it back
    };
    Kind kind = Kind::MouseMove;
    TForm* form = nullptr;  // the window the event belongs to, if any
    Point screen;           // pointer position in screen coordinates
    TMouseButton button = TMouseButton::mbLeft;
    int wheelDelta = 0;  // 120 per notch, positive away from the user
    uint16_t key = 0;    // virtual key code
    bool repeat = false;
    TShiftState shift = 0;
    std::string text;
};

// One display: its whole rectangle and the part of it left to windows (the
// work area, without panels and docks), in screen coordinates.
struct MonitorInfo {
    Rect bounds;
    Rect workArea;
    friend bool operator==(const MonitorInfo&, const MonitorInfo&) = default;
};

// The work area taken when no display says otherwise: the headless screen,
// and a display whose size cannot be read.
inline constexpr Rect kFallbackWorkArea{0, 0, 1280, 1024};

class HostEventSink {
  public:
    virtual ~HostEventSink() = default;
    virtual void HandleHostEvent(const HostEvent& event) = 0;
};

class WindowHost {
  public:
    virtual ~WindowHost() = default;
    virtual std::unique_ptr<HostWindow> CreateWindow(TForm& form) = 0;
    // The usable part of the screen (without panels and docks).
    virtual Rect WorkArea() const = 0;
    // Every display, the primary one first. A host that knows of one display
    // only reports its work area as the whole display.
    virtual std::vector<MonitorInfo> Monitors() const { return {{WorkArea(), WorkArea()}}; }
    // Shows a message box (see message_box_look.h) centred on `owner`, the
    // screen bounds of the window it belongs to (empty: none), and returns
    // when it is dismissed.
    virtual void MessageBox(const std::string& caption, const std::string& text, const Rect& owner) = 0;
    // What becomes signalled when input arrives (a descriptor on Linux), or
    // kNoWaitable.
    virtual Waitable EventWaitable() const = 0;
    // The longest the loop may block without looking at the host again
    // (-1: no limit). A host without a descriptor to wait on is polled.
    virtual int MaxWaitMs() const { return -1; }
    // Hands every pending input event to the sink; returns how many.
    virtual int PumpEvents(HostEventSink& sink) = 0;
    // Whether events are already waiting (so the loop must not block).
    virtual bool HasPendingEvents() = 0;
};

}  // namespace dsp
