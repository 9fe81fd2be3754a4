#pragma once
// One Win32 window of a form: a popup window without the system's frame (the
// form draws its own), or a framed one for forms that ask for it. It keeps
// the pixels it was last shown, so the system's requests to repaint (a
// window uncovered, restored) are answered from them without the program.

#include "platform/framework/host.h"
#include "platform/hosts/win32/win32_api.h"
#include "platform/hosts/win32/win32_input.h"
#include "platform/hosts/win32/win32_window_class.h"

namespace dsp {

class Win32Host;

class Win32Window final : public HostWindow, private Win32MessageTarget {
  public:
    // Throws std::runtime_error, with the system's reason, when the window
    // cannot be created.
    Win32Window(Win32Host& host, TForm& form);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    void SetBounds(const Rect& screenBounds) override;
    void SetVisible(bool visible) override;
    void SetTitle(const std::string& title) override;
    void Present(const Bitmap& frame, const Region& dirty) override;
    void SetShape(const Region* shape) override;
    void Activate() override;
    void SetCapture(bool capture) override;
    void Minimize() override;
    void Restore() override;
    bool BeginSystemMove(Point screen) override;
    bool SetOpacity(int alpha) override;
    void SetCursor(TCursor cursor) override;

    TForm& Form() const { return form_; }
    HWND Handle() const { return window_; }

  private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    bool HandleInput(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HitTest(LPARAM lParam) const;
    bool ShowCursorAt(WPARAM over, LPARAM codes) const;
    void Paint();
    void SizeChanged(WPARAM kind, LPARAM size);
    void Queue(HostEvent::Kind kind, Point screen = {});
    void QueuePointer();
    // Draws rectangles of the kept pixels onto the device context.
    void Draw(HDC dc, const Rect& r) const;

    Win32Host& host_;
    TForm& form_;
    HWND window_ = nullptr;
    Bitmap shown_;  // what the window shows, in window coordinates
    TypedText typed_;
    bool trackingLeave_ = false;
    bool iconic_ = false;
    TCursor cursor_ = TCursor::crArrow;  // the framework's last choice
};

}  // namespace dsp
