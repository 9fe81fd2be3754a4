#include "platform/framework/application.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "platform/framework/form.h"

namespace dsp {

TApplication* Application = nullptr;

Rect AppWorkArea() { return Application ? Application->WorkArea() : kFallbackWorkArea; }

std::vector<MonitorInfo> AppMonitors() {
    if (Application) return Application->Monitors();
    return {{kFallbackWorkArea, kFallbackWorkArea}};
}

TimeMs AppNow() { return Application ? Application->GetClock().Now() : 0; }

Point AppCursorPos() { return Application ? Application->Input().CursorPos() : Point{}; }

TApplication::TApplication(std::unique_ptr<WindowHost> host, std::unique_ptr<Clock> clock)
    : TComponent(nullptr),
      host_(std::move(host)),
      clock_(clock ? std::move(clock) : std::make_unique<MonotonicClock>()),
      timers_(*clock_, [](TControl* c, uint32_t id) { c->Perform(kWmTimer, id); }),
      input_(*this, *clock_) {
    Application = this;
    dispatcher_.BindToCurrentThread();
    dispatcher_.SetExceptionHandler([this](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (...) {
            HandleCurrentException();
        }
    });
}

TApplication::~TApplication() {
    DestroyComponents();
    if (Application == this) Application = nullptr;
}

void TApplication::FormCreated(TForm* form) {
    forms_.insert(forms_.begin(), form);  // a new form starts below the others until shown
    if (!mainForm_ && !form->IsPopup() && form->Owner() == this) mainForm_ = form;
}

void TApplication::FormDestroyed(TForm* form) {
    std::erase(forms_, form);
    if (mainForm_ == form) mainForm_ = nullptr;
    if (activeForm_ == form) activeForm_ = nullptr;
}

void TApplication::FormShown(TForm* form, bool shown) {
    if (shown) {
        std::erase(forms_, form);
        forms_.push_back(form);
        if (!form->IsPopup()) ActivateForm(form);
        return;
    }
    if (activeForm_ == form) {
        ActivateForm(nullptr);
        // The next visible normal form from the top gets the keyboard.
        for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
            if ((*it)->Visible() && !(*it)->IsPopup()) {
                ActivateForm(*it);
                break;
            }
    }
}

void TApplication::ActivateForm(TForm* form) {
    if (form && form->IsPopup()) return;
    if (form == activeForm_) return;
    TForm* old = activeForm_;
    if (old) {
        SetFocusedControl(nullptr);
        activeForm_ = nullptr;
        old->ActivateChanged(false);
    }
    activeForm_ = form;
    if (!form) return;
    std::erase(forms_, form);
    forms_.push_back(form);
    if (form->Host()) form->Host()->Activate();
    form->ActivateChanged(true);
    if (activeForm_ == form) {
        TWinControl* target = form->ActiveControl();
        SetFocusedControl(target && target->CanFocus() ? target : form);
    }
}

TForm* TApplication::FormAtScreen(Point screen) const {
    auto hit = [&](TForm* f) {
        return f->Visible() && f->WindowContains(screen - Point{f->Left(), f->Top()});
    };
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        if ((*it)->IsPopup() && hit(*it)) return *it;
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        if (!(*it)->IsPopup() && hit(*it)) return *it;
    return nullptr;
}

void TApplication::SetFocusedControl(TWinControl* control) {
    if (control == focused_) return;
    TWinControl* old = focused_;
    focused_ = control;
    if (old) {
        old->Perform(kWmKillFocus, 0);
        old->Perform(kCmExit);
    }
    // A handler above may have moved the focus again.
    if (focused_ != control || !control) return;
    control->Perform(kWmSetFocus, 0);
    control->Perform(kCmEnter);
}

void TApplication::PostMessage(TControl* target, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    {
        std::lock_guard lock(postedLock_);
        posted_.push_back({target, TMessage{msg, wParam, lParam, 0}});
    }
    Wake();
}

// The flag follows the signal: a loop that sees it set finds the signal
// there to read back, and one that reads it clear leaves a signal just given
// for the next pass (which then wakes at once and reads it).
void TApplication::Wake() {
    wake_.Signal();
    wakePending_.store(true);
}

void TApplication::Broadcast(TControl* first, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    TForm* firstForm = dynamic_cast<TForm*>(first);
    std::vector<TForm*> targets;
    if (firstForm) targets.push_back(firstForm);
    // Creation order: forms_ keeps z-order, so sort a copy by the order the
    // application owns them.
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* f = dynamic_cast<TForm*>(Components(i));
        if (f && f != firstForm && !f->IsPopup()) targets.push_back(f);
    }
    for (TForm* f : forms_)
        if (f != firstForm && !f->IsPopup() && std::find(targets.begin(), targets.end(), f) == targets.end())
            targets.push_back(f);
    for (TForm* f : targets) {
        // A handler may free a form; send only to those still alive.
        if (std::find(forms_.begin(), forms_.end(), f) == forms_.end()) continue;
        f->Perform(msg, wParam, lParam);
    }
}

void TApplication::ControlDestroyed(TControl* control) {
    timers_.KillAll(control);
    input_.Forget(control);
    if (focused_ == control) focused_ = nullptr;
    std::lock_guard lock(postedLock_);
    std::erase_if(posted_, [&](const Posted& p) { return p.target == control; });
}

template <class F>
void TApplication::Guarded(F&& f) {
    try {
        f();
    } catch (...) {
        HandleCurrentException();
    }
}

void TApplication::HandleHostEvent(const HostEvent& event) {
    Guarded([&] {
        switch (event.kind) {
            case HostEvent::Kind::Activate:
                if (event.form) ActivateForm(event.form);
                break;
            case HostEvent::Kind::Deactivate:
                if (event.form && event.form == activeForm_) ActivateForm(nullptr);
                break;
            case HostEvent::Kind::Close:
                if (event.form) event.form->Perform(kWmClose);
                break;
            case HostEvent::Kind::Expose:
                if (event.form)
                    event.form->InvalidateWindowRect({0, 0, event.form->Width(), event.form->Height()});
                break;
            case HostEvent::Kind::Moved:
                if (event.form)
                    event.form->TControl::SetBounds(event.screen.x, event.screen.y, event.form->Width(),
                                                    event.form->Height());
                break;
            // The display (its window manager, or the host without one)
            // iconified the window or brought it back: the form hears it
            // as the system command, whoever asked.
            case HostEvent::Kind::Minimized:
            case HostEvent::Kind::Restored:
                if (event.form)
                    event.form->Perform(kWmSysCommand,
                                        event.kind == HostEvent::Kind::Minimized ? kScMinimize : kScRestore);
                break;
            case HostEvent::Kind::Resized:
                if (event.form)
                    event.form->SetBounds(event.form->Left(), event.form->Top(), event.screen.x,
                                          event.screen.y);
                break;
            default:
                input_.Route(event);
        }
    });
}

bool TApplication::DeliverPosted() {
    if (wakePending_.exchange(false)) wake_.Clear();
    bool any = false;
    for (;;) {
        Posted p;
        {
            std::lock_guard lock(postedLock_);
            if (posted_.empty()) break;
            p = posted_.front();
            posted_.pop_front();
        }
        any = true;
        if (p.message.Msg == kCmRelease) {
            // Freed here, outside any of its own handlers.
            Guarded([&] { delete p.target; });
            continue;
        }
        Guarded([&] { p.target->Perform(p.message.Msg, p.message.WParam, p.message.LParam); });
    }
    return any;
}

bool TApplication::PaintForms() {
    // Most passes of the loop find nothing to paint: they cost one look at
    // each form.
    const auto dirty = [](const TForm* f) { return !f->DirtyRegion().IsEmpty(); };
    if (std::none_of(forms_.begin(), forms_.end(), dirty)) return false;
    bool any = false;
    std::vector<TForm*> forms = forms_;
    for (TForm* f : forms) {
        if (std::find(forms_.begin(), forms_.end(), f) == forms_.end()) continue;
        if (!dirty(f)) continue;
        any = true;
        Guarded([&] { f->PaintDirty(); });
    }
    return any;
}

bool TApplication::ProcessMessages() {
    bool any = host_->PumpEvents(*this) > 0;
    any = dispatcher_.ProcessPending() > 0 || any;
    any = DeliverPosted() || any;
    int fired = 0;
    Guarded([&] { fired = timers_.FireDue(); });
    any = any || fired > 0;
    any = PaintForms() || any;
    return any;
}

int TApplication::WaitTimeoutMs() const {
    int hostLimit = host_->MaxWaitMs();
    auto next = timers_.NextDue();
    if (!next) return hostLimit;
    TimeMs wait = std::max<TimeMs>(*next - clock_->Now(), 0);
    if (hostLimit >= 0) wait = std::min<TimeMs>(wait, hostLimit);
    return static_cast<int>(std::min<TimeMs>(wait, std::numeric_limits<int>::max()));
}

void TApplication::HandleMessage() {
    ProcessMessages();
    if (terminated_) return;
    {
        std::lock_guard lock(postedLock_);
        if (!posted_.empty()) return;
    }
    if (dispatcher_.PendingCount() > 0 || host_->HasPendingEvents()) return;
    std::vector<Waitable> items{wake_.Handle()};
    if (host_->EventWaitable() != kNoWaitable) items.push_back(host_->EventWaitable());
    items.push_back(dispatcher_.WakeHandle());
    std::vector<bool> ready;
    WaitAny(items, WaitTimeoutMs(), ready);
}

void TApplication::Run() {
    while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
    terminated_ = true;
    Wake();
}

void TApplication::HandleException(const std::exception& error) {
    if (OnException) {
        OnException(this, error);
        return;
    }
    ShowException(error.what());
}

void TApplication::HandleCurrentException() {
    try {
        throw;
    } catch (const std::exception& e) {
        HandleException(e);
    } catch (...) {
        std::runtime_error unknown("Unknown error");
        HandleException(unknown);
    }
}

void TApplication::ShowException(const std::string& text) { MessageBox(text, title_); }

void TApplication::MessageBox(const std::string& text, const std::string& caption) {
    PaintForms();
    TForm* owner = activeForm_ ? activeForm_ : mainForm_;
    host_->MessageBox(caption, text, owner && owner->Visible() ? owner->BoundsRect() : Rect{});
}

}  // namespace dsp
