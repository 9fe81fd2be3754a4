#pragma once
// The SDL window host: one borderless SDL window per top-level form, showing
// the form's frame bitmap. Caption dragging and border sizing go through
// SDL's hit-test callback, answered from the form's own hit test. On X11 the
// window shape follows the form's window region, and the loop waits on the
// display connection, so an idle program sleeps in poll.

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/host.h"

namespace dsp {

class SdlWindow;

class SdlHost final : public WindowHost {
  public:
    // Throws std::runtime_error when no display can be opened.
    SdlHost();
    ~SdlHost() override;
    SdlHost(const SdlHost&) = delete;
    SdlHost& operator=(const SdlHost&) = delete;

    std::unique_ptr<HostWindow> CreateWindow(TForm& form) override;
    Rect WorkArea() const override;
    std::vector<MonitorInfo> Monitors() const override;
    void MessageBox(const std::string& caption, const std::string& text) override;
    int EventFd() const override;
    int MaxWaitMs() const override;
    int PumpEvents(HostEventSink& sink) override;
    bool HasPendingEvents() override;

    // The name of SDL's video driver ("x11", ...).
    std::string VideoDriver() const;

  private:
    friend class SdlWindow;
    SdlWindow* FindWindow(uint32_t windowId) const;
    bool IgnoredFocusChange(uint8_t event, const SdlWindow& window) const;
    void Translate(const void* sdlEvent, HostEventSink& sink);

    std::vector<SdlWindow*> windows_;
    mutable int displayFd_ = -1;
};

}  // namespace dsp
