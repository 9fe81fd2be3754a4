#pragma once
// The Win32 window host: one window per top-level form (win32_window.h). The
// window procedure runs whenever the system calls it, the middle of a
// SetWindowPos included, so it only queues host events; PumpEvents hands
// them to the framework between the program's own steps. The loop's wait
// (MsgWaitForMultipleObjectsEx) ends on any window message, so the host
// needs no waitable of its own.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/host.h"

namespace dsp {

class MessageBoxLook;
class Win32Window;

class Win32Host final : public WindowHost {
  public:
    // `windowClass` names the window class of the program's windows. Throws
    // std::runtime_error when it cannot be registered.
    explicit Win32Host(const std::string& windowClass);
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    std::unique_ptr<HostWindow> CreateWindow(TForm& form) override;
    Rect WorkArea() const override;
    std::vector<MonitorInfo> Monitors() const override;
    void MessageBox(const std::string& caption, const std::string& text, const Rect& owner) override;
    Waitable EventWaitable() const override { return kNoWaitable; }
    int PumpEvents(HostEventSink& sink) override;
    bool HasPendingEvents() override;

    const std::wstring& ClassName() const { return className_; }

  private:
    friend class Win32Window;
    void Queue(HostEvent event) { events_.push_back(std::move(event)); }
    // Drops the events of a form whose window goes away.
    void Forget(const TForm& form);
    // Takes the thread's messages off its queue and through the windows.
    int DispatchMessages();
    void EnableWindows(bool enable);

    std::wstring className_;
    std::deque<HostEvent> events_;
    std::vector<Win32Window*> windows_;
    std::unique_ptr<MessageBoxLook> boxLook_;  // made with the first box
};

}  // namespace dsp
