#include "platform/hosts/win32/win32_host.h"

#include <algorithm>
#include <cstdio>

#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/framework/message_box_look.h"
#include "platform/hosts/win32/win32_message_box.h"
#include "platform/hosts/win32/win32_window.h"
#include "platform/hosts/win32/win32_window_class.h"
#include "platform/sys/win32/wide_text.h"

namespace dsp {
namespace {

Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    auto& out = *reinterpret_cast<std::vector<MonitorInfo>*>(data);
    const MonitorInfo m{FromRect(info.rcMonitor), FromRect(info.rcWork)};
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        out.insert(out.begin(), m);
    else
        out.push_back(m);
    return TRUE;
}

}  // namespace

Win32Host::Win32Host(const std::string& windowClass) : className_(Widen(windowClass)) {
    RegisterHostWindowClass(className_);
}

Win32Host::~Win32Host() = default;

std::unique_ptr<HostWindow> Win32Host::CreateWindow(TForm& form) {
    return std::make_unique<Win32Window>(*this, form);
}

Rect Win32Host::WorkArea() const {
    RECT r;
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) return kFallbackWorkArea;
    return FromRect(r);
}

std::vector<MonitorInfo> Win32Host::Monitors() const {
    std::vector<MonitorInfo> out;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&out));
    if (out.empty()) out.push_back({WorkArea(), WorkArea()});
    return out;
}

void Win32Host::Forget(const TForm& form) {
    std::erase_if(events_, [&](const HostEvent& e) { return e.form == &form; });
}

int Win32Host::DispatchMessages() {
    int n = 0;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ++n;
        if (msg.message == WM_QUIT) {
            // Someone asked the program to end: as closing its main window.
            HostEvent e;
            e.kind = HostEvent::Kind::Close;
            e.form = Application ? Application->MainForm() : nullptr;
            if (e.form) Queue(std::move(e));
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return n;
}

int Win32Host::PumpEvents(HostEventSink& sink) {
    int n = DispatchMessages();
    // Handling an event may move or show windows, which queues more.
    while (!events_.empty()) {
        HostEvent e = std::move(events_.front());
        events_.pop_front();
        sink.HandleHostEvent(e);
        ++n;
    }
    return n;
}

bool Win32Host::HasPendingEvents() {
    MSG msg;
    return !events_.empty() || PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

// While a message box is up, it is the only window that takes input; the
// others still repaint themselves from what they last showed.
void Win32Host::EnableWindows(bool enable) {
    for (Win32Window* w : windows_) EnableWindow(w->Handle(), enable);
}

void Win32Host::MessageBox(const std::string& caption, const std::string& text, const Rect& owner) {
    if (!boxLook_) boxLook_ = std::make_unique<MessageBoxLook>();
    Win32MessageBox box(className_, *boxLook_, caption, text,
                        boxLook_->LayOut(caption, text, owner, WorkAreaAround(owner, Monitors())));
    if (!box.Opened()) {  // the text is not lost
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return;
    }
    EnableWindows(false);
    box.Run();
    EnableWindows(true);
}

}  // namespace dsp
