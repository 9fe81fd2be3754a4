#pragma once
// The SDL window host: one borderless SDL window per top-level form, showing
// the form's frame bitmap. Border sizing goes through SDL's hit-test
// callback, answered from the form's own hit test; the caption is the
// frame's own (see SdlWindow::BeginSystemMove). On X11 the
// window shape follows the form's window region, and the loop waits on the
// display connection, so an idle program sleeps in poll.
//
// With DISPLAY set and no SDL_VIDEODRIVER asked for, the host uses X11 and
// nothing else: SDL would otherwise try its other drivers when the X server
// does not answer, and run on with no window at all.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/host.h"
#include "platform/hosts/sdl/x11_pointer.h"

struct SDL_Cursor;

namespace dsp {

class MessageBoxLook;
class SdlWindow;

class SdlHost final : public WindowHost {
  public:
    // Throws std::runtime_error when no display can be opened. `windowClass`
    // names the program's windows to the desktop (the X11 WM_CLASS, the
    // Wayland app id), so it matches them to the program's .desktop file
    // (StartupWMClass); empty: SDL's own choice, the executable's name. The
    // user's SDL_VIDEO_X11_WMCLASS / SDL_VIDEO_WAYLAND_WMCLASS still win.
    explicit SdlHost(const std::string& windowClass = {});
    ~SdlHost() override;
    SdlHost(const SdlHost&) = delete;
    SdlHost& operator=(const SdlHost&) = delete;

    std::unique_ptr<HostWindow> CreateWindow(TForm& form) override;
    Rect WorkArea() const override;
    std::vector<MonitorInfo> Monitors() const override;
    void MessageBox(const std::string& caption, const std::string& text, const Rect& owner) override;
    Waitable EventWaitable() const override;
    int MaxWaitMs() const override;
    int PumpEvents(HostEventSink& sink) override;
    bool HasPendingEvents() override;

    // Returns once the display has shown everything presented so far (X11:
    // a round trip to the server); for tests and benchmarks that look at
    // the screen.
    void Sync() const;

    // The name of SDL's video driver ("x11", ...).
    std::string VideoDriver() const;
    // The X display the host opened (":1"), or "" when not on X11.
    const std::string& DisplayName() const { return displayName_; }

    // Runs when the connection to the X display breaks, with the display's
    // name; the process then ends with status 1 (see x11_display.h).
    // Unset, one line goes to stderr.
    std::function<void(const std::string& display)> OnDisplayLost;

  private:
    friend class SdlWindow;
    SdlWindow* FindWindow(uint32_t windowId) const;
    SdlWindow* FindXWindow(unsigned long xwindow) const;
    bool IgnoredFocusChange(uint8_t event, const SdlWindow& window) const;
    void Translate(const void* sdlEvent, HostEventSink& sink);
    // Tells the framework where the pointer is, as a move over the window.
    void ReportPointer(uint32_t windowId, HostEventSink& sink) const;
    void DisplayLost() const;
    // SDL shows one pointer shape for all its windows.
    void ShowCursor(TCursor cursor);

    std::vector<SdlWindow*> windows_;
    X11PointerPosition pointer_;  // of the last raw X pointer event
    mutable int displayFd_ = -1;
    std::string displayName_;
    std::unique_ptr<MessageBoxLook> boxLook_;  // made with the first box
    bool watchingDisplay_ = false;
    std::array<SDL_Cursor*, 8> cursors_{};  // made when first shown
    TCursor shownCursor_ = TCursor::crArrow;
};

}  // namespace dsp
