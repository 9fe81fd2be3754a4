#pragma once
// TApplication: the program's one application object. It owns the forms, the
// timer scheduler, the posted-message queue and the window host, and runs the
// message loop on the UI thread. The loop blocks in one wait until input,
// a posted message, an event source or the next timer deadline, so an idle
// program uses no CPU.
//
// An exception that escapes a handler run by the loop goes to HandleException:
// a message box with its text, and the program goes on.

#include <atomic>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/dispatch/main_thread_queue.h"
#include "platform/framework/clock.h"
#include "platform/framework/component.h"
#include "platform/framework/host.h"
#include "platform/framework/input_router.h"
#include "platform/framework/messages.h"
#include "platform/framework/timer_scheduler.h"
#include "platform/sys/waitable.h"
#include "platform/text/font_engine.h"

namespace dsp {

class TControl;
class TForm;

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;

class TApplication : public TComponent, private HostEventSink {
  public:
    // The clock defaults to the monotonic one.
    TApplication(std::unique_ptr<WindowHost> host, std::unique_ptr<Clock> clock = nullptr);
    ~TApplication() override;

    WindowHost& Host() const { return *host_; }
    const Clock& GetClock() const { return *clock_; }
    TimerScheduler& Timers() { return timers_; }
    InputRouter& Input() { return input_; }

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // Forms. The application owns the forms created with it as owner; the
    // first form created is the main form.
    template <class T>
    T* CreateForm() {
        T* form = new T(this);
        return form;
    }
    TForm* MainForm() const { return mainForm_; }
    const std::vector<TForm*>& Forms() const { return forms_; }
    TForm* ActiveForm() const { return activeForm_; }
    void ActivateForm(TForm* form);
    // The visible form under a screen point: popups first, then the others
    // from the top.
    TForm* FormAtScreen(Point screen) const;

    // Focus.
    TWinControl* FocusedControl() const { return focused_; }
    void SetFocusedControl(TWinControl* control);
    // Forgets the focus without telling anyone (its window is being destroyed).
    void ClearFocusQuietly() { focused_ = nullptr; }

    // Messages. Post may be called from any thread.
    void PostMessage(TControl* target, uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);
    // Sends the message to `first` when it is a form, then to every other
    // form (popups excluded), each synchronously.
    void Broadcast(TControl* first, uint32_t msg, uintptr_t wParam, intptr_t lParam);

    // The loop.
    void Run();
    // Ends Run; may be called from any thread.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Does all work that is ready now without waiting; true if anything was done.
    bool ProcessMessages();
    // One turn: does ready work, or waits for some (up to the next timer).
    void HandleMessage();
    // The run-on-main-thread queue of this UI thread: the serial port's
    // monitoring thread hands its events through it (smThreadSync). The loop
    // drains it; an exception from its work goes to HandleException.
    MainThreadQueue& Dispatcher() { return dispatcher_; }

    // The general error report.
    void HandleException(const std::exception& error);
    void HandleCurrentException();
    void ShowException(const std::string& text);
    TExceptionEvent OnException;

    // The program's one font engine: controls measure their texts with it
    // and hand it to their painters.
    FontEngine& Fonts() { return fonts_; }

    Rect WorkArea() const { return host_->WorkArea(); }
    std::vector<MonitorInfo> Monitors() const { return host_->Monitors(); }
    // Centred on the active form (or the main form); the forms are painted
    // first, so none is left blank behind the box while it waits.
    void MessageBox(const std::string& text, const std::string& caption);

    // Called by controls and forms.
    void ControlDestroyed(TControl* control);
    void FormCreated(TForm* form);
    void FormDestroyed(TForm* form);
    void FormShown(TForm* form, bool shown);

  private:
    struct Posted {
        TControl* target;
        TMessage message;
    };

    void HandleHostEvent(const HostEvent& event) override;
    void Wake();
    bool DeliverPosted();
    bool PaintForms();
    int WaitTimeoutMs() const;
    template <class F>
    void Guarded(F&& f);

    std::unique_ptr<WindowHost> host_;
    std::unique_ptr<Clock> clock_;
    FontEngine fonts_;
    TimerScheduler timers_;
    InputRouter input_;
    WakeSignal wake_;
    // Set after each signal of wake_, so the loop reads the signal back
    // (a system call) only when one was given.
    std::atomic<bool> wakePending_{false};
    std::mutex postedLock_;
    std::deque<Posted> posted_;
    MainThreadQueue dispatcher_;
    std::vector<TForm*> forms_;  // z-order of normal forms: last is topmost
    TForm* mainForm_ = nullptr;
    TForm* activeForm_ = nullptr;
    TWinControl* focused_ = nullptr;
    std::string title_ = "dsp-panel";
    std::atomic<bool> terminated_{false};
};

// The application object of the program (set while one exists).
extern TApplication* Application;

// What the application knows of the screen and of time, for code that may
// run without one (controls made by tests and tools, windows in the last
// steps of a shutdown). Rather than each caller testing the pointer and
// picking its own stand-in, every answer follows one rule: without an
// application nothing is on a screen, so the work area is the headless one
// (kFallbackWorkArea, also the one monitor), time stands at 0 and the
// pointer rests at (0, 0). The framework's own checks keep the same rule:
// nothing holds the focus, the capture or the hover, and timers, posted
// messages and skin broadcasts go nowhere.
Rect AppWorkArea();
std::vector<MonitorInfo> AppMonitors();
TimeMs AppNow();
Point AppCursorPos();

}  // namespace dsp
