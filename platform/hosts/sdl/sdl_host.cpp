#include "platform/hosts/sdl/sdl_host.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>

#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/hosts/sdl/sdl_keys.h"
#include "platform/hosts/sdl/sdl_message_box.h"
#include "platform/hosts/sdl/sdl_window.h"
#include "platform/hosts/sdl/x11_display.h"
#include "platform/hosts/sdl/x11_pointer.h"

namespace dsp {
namespace {

// Without a descriptor to wait on, the loop looks at SDL this often.
constexpr int kPollIntervalMs = 10;

TMouseButton ButtonFromSdl(Uint8 b) {
    if (b == SDL_BUTTON_RIGHT) return TMouseButton::mbRight;
    if (b == SDL_BUTTON_MIDDLE) return TMouseButton::mbMiddle;
    return TMouseButton::mbLeft;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The display named by DISPLAY, or "" when the caller asked SDL for a driver
// itself or there is no X display to use.
std::string X11DisplayToUse() {
    if (!Variable("SDL_VIDEODRIVER").empty()) return {};
    return Variable("DISPLAY");
}

}  // namespace

SdlHost::SdlHost(const std::string& windowClass) {
    if (!windowClass.empty()) {
        // SDL reads these when the video subsystem starts; no hint exists for them.
        setenv("SDL_VIDEO_X11_WMCLASS", windowClass.c_str(), 0);
        setenv("SDL_VIDEO_WAYLAND_WMCLASS", windowClass.c_str(), 0);
        SDL_SetHint(SDL_HINT_APP_NAME, windowClass.c_str());
    }
    // The first click on an inactive window is a click, not just a focus change.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    const std::string display = X11DisplayToUse();
    std::optional<X11DisplayProbe> probe;
    if (!display.empty()) {
        if (!probe.emplace(display).Answers())
            throw std::runtime_error("cannot open the display " + display + " (no X server answers there)");
        // An empty SDL_VIDEODRIVER in the environment would block a plain hint.
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_OVERRIDE);
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        const std::string what =
            display.empty() ? std::string("cannot open the display") : "cannot open the display " + display;
        throw std::runtime_error(what + " (" + SDL_GetError() + ")");
    }
    if (VideoDriver() == "x11") {
        // The raw X events carry the pointer's screen position (x11_pointer.h).
        SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
        displayName_ = Variable("DISPLAY");
        watchingDisplay_ = true;
        HandleDisplayLoss([this] { DisplayLost(); });
    }
    SDL_StartTextInput();
}

SdlHost::~SdlHost() {
    if (watchingDisplay_) HandleDisplayLoss({});
    for (SDL_Cursor* cursor : cursors_)
        if (cursor) SDL_FreeCursor(cursor);
    SDL_Quit();
}

void SdlHost::ShowCursor(TCursor cursor) {
    if (cursor == TCursor::crDefault) cursor = TCursor::crArrow;
    if (cursor == shownCursor_) return;
    static constexpr SDL_SystemCursor kSystem[] = {
        SDL_SYSTEM_CURSOR_ARROW,    SDL_SYSTEM_CURSOR_ARROW,    SDL_SYSTEM_CURSOR_IBEAM,
        SDL_SYSTEM_CURSOR_HAND,     SDL_SYSTEM_CURSOR_SIZEWE,   SDL_SYSTEM_CURSOR_SIZENS,
        SDL_SYSTEM_CURSOR_SIZENWSE, SDL_SYSTEM_CURSOR_SIZENESW,
    };
    const auto index = static_cast<std::size_t>(cursor);
    if (!cursors_[index]) cursors_[index] = SDL_CreateSystemCursor(kSystem[index]);
    if (!cursors_[index]) return;
    SDL_SetCursor(cursors_[index]);
    shownCursor_ = cursor;
}

void SdlHost::DisplayLost() const {
    if (OnDisplayLost) return OnDisplayLost(displayName_);
    std::fprintf(stderr, "lost the connection to the display %s\n", displayName_.c_str());
}

void SdlHost::Sync() const {
    if (!windows_.empty()) X11Sync(windows_.front()->X11Display());
}

std::string SdlHost::VideoDriver() const {
    const char* name = SDL_GetCurrentVideoDriver();
    return name ? name : "";
}

std::unique_ptr<HostWindow> SdlHost::CreateWindow(TForm& form) {
    return std::make_unique<SdlWindow>(*this, form);
}

Rect SdlHost::WorkArea() const {
    SDL_Rect r{};
    if (SDL_GetDisplayUsableBounds(0, &r) != 0 && SDL_GetDisplayBounds(0, &r) != 0) return kFallbackWorkArea;
    return Rect::FromOriginSize(r.x, r.y, r.w, r.h);
}

std::vector<MonitorInfo> SdlHost::Monitors() const {
    std::vector<MonitorInfo> out;
    const int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; ++i) {
        SDL_Rect whole{}, usable{};
        if (SDL_GetDisplayBounds(i, &whole) != 0) continue;
        if (SDL_GetDisplayUsableBounds(i, &usable) != 0) usable = whole;
        out.push_back({Rect::FromOriginSize(whole.x, whole.y, whole.w, whole.h),
                       Rect::FromOriginSize(usable.x, usable.y, usable.w, usable.h)});
    }
    if (out.empty()) out.push_back({WorkArea(), WorkArea()});
    return out;
}

void SdlHost::MessageBox(const std::string& caption, const std::string& text, const Rect& owner) {
    if (!boxLook_) boxLook_ = std::make_unique<MessageBoxLook>();
    SdlMessageBox box(*boxLook_, caption, text,
                      boxLook_->LayOut(caption, text, owner, WorkAreaAround(owner, Monitors())));
    if (!box.Opened()) {  // the text is not lost
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return;
    }
    box.Run();
}

Waitable SdlHost::EventWaitable() const {
    if (displayFd_ < 0 && !windows_.empty()) displayFd_ = windows_.front()->DisplayFd();
    return displayFd_;
}

int SdlHost::MaxWaitMs() const { return EventWaitable() >= 0 || windows_.empty() ? -1 : kPollIntervalMs; }

bool SdlHost::HasPendingEvents() {
    // Pumping reads everything the display has sent into SDL's queue, so a
    // wait on the display descriptor afterwards misses nothing.
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0;
}

int SdlHost::PumpEvents(HostEventSink& sink) {
    int n = 0;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        Translate(&e, sink);
        ++n;
    }
    return n;
}

SdlWindow* SdlHost::FindXWindow(unsigned long xwindow) const {
    for (SdlWindow* w : windows_)
        if (xwindow != 0 && w->XWindow() == xwindow) return w;
    return nullptr;
}

SdlWindow* SdlHost::FindWindow(uint32_t windowId) const {
    for (SdlWindow* w : windows_)
        if (w->Id() == windowId) return w;
    return nullptr;
}

// X gives the keyboard to every window SDL maps, popups included, and the
// popup hands it straight back. Those focus moves are not activations: a
// popup never takes activation, and a form does not lose it to its own
// drop-down list (the list would close the moment it opened).
bool SdlHost::IgnoredFocusChange(uint8_t event, const SdlWindow& window) const {
    if (event != SDL_WINDOWEVENT_FOCUS_GAINED && event != SDL_WINDOWEVENT_FOCUS_LOST) return false;
    if (window.Form().IsPopup()) return true;
    if (event != SDL_WINDOWEVENT_FOCUS_LOST) return false;
    for (const SdlWindow* w : windows_) {
        if (w->Form().IsPopup() && (SDL_GetWindowFlags(w->Native()) & SDL_WINDOW_SHOWN)) return true;
    }
    return false;
}

void SdlHost::Translate(const void* raw, HostEventSink& sink) {
    const SDL_Event& e = *static_cast<const SDL_Event*>(raw);
    HostEvent h;
    // The raw event just before this one, if it is this one's, knows where
    // on the screen it happened; the window may have moved since. SDL gives
    // a button (or wheel) event the last motion's position, so any raw
    // button event is its own; a motion must match. SDL also makes motion
    // events of its own (a press it finds outside the window, by that stale
    // position, is first "moved" inside it): those leave the record for the
    // event it belongs to.
    auto at = [&](uint32_t windowId, int x, int y, bool button = false) {
        const bool raw =
            pointer_.valid && pointer_.button == button && (button || (pointer_.x == x && pointer_.y == y));
        // SDL names no window for a press it thinks outside every window.
        SdlWindow* w = windowId == 0 && raw ? FindXWindow(pointer_.window) : FindWindow(windowId);
        if (!w) return false;
        h.form = &w->Form();
        h.screen = raw ? Point{pointer_.rootX, pointer_.rootY} : Point{h.form->Left() + x, h.form->Top() + y};
        if (raw) pointer_.valid = false;
        return true;
    };
    h.shift = ShiftFromSdl(static_cast<uint16_t>(SDL_GetModState()));
    switch (e.type) {
        case SDL_MOUSEMOTION:
            if (!at(e.motion.windowID, e.motion.x, e.motion.y)) return;
            h.kind = HostEvent::Kind::MouseMove;
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (!at(e.button.windowID, e.button.x, e.button.y, true)) return;
            h.kind = e.type == SDL_MOUSEBUTTONDOWN ? HostEvent::Kind::MouseDown : HostEvent::Kind::MouseUp;
            h.button = ButtonFromSdl(e.button.button);
            break;
        case SDL_MOUSEWHEEL:
            if (!at(e.wheel.windowID, e.wheel.mouseX, e.wheel.mouseY, true)) return;
            h.kind = HostEvent::Kind::Wheel;
            h.wheelDelta = e.wheel.y * 120 * (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1);
            if (h.wheelDelta == 0) return;
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            h.kind = e.type == SDL_KEYDOWN ? HostEvent::Kind::KeyDown : HostEvent::Kind::KeyUp;
            h.key = VirtualKeyFromSdl(e.key.keysym.sym);
            h.shift = ShiftFromSdl(e.key.keysym.mod);
            h.repeat = e.key.repeat != 0;
            if (h.key == 0) return;
            break;
        case SDL_TEXTINPUT:
            h.kind = HostEvent::Kind::Text;
            h.text = e.text.text;
            break;
        case SDL_SYSWMEVENT:
            if (!X11PointerFromSysWm(e.syswm.msg, pointer_)) pointer_.valid = false;
            return;
        case SDL_QUIT:
            h.kind = HostEvent::Kind::Close;
            h.form = Application ? Application->MainForm() : nullptr;
            if (!h.form) return;
            break;
        case SDL_WINDOWEVENT: {
            SdlWindow* w = FindWindow(e.window.windowID);
            if (!w) return;
            h.form = &w->Form();
            if (IgnoredFocusChange(e.window.event, *w)) return;
            switch (e.window.event) {
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    h.kind = HostEvent::Kind::Activate;
                    break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    h.kind = HostEvent::Kind::Deactivate;
                    break;
                case SDL_WINDOWEVENT_CLOSE:
                    h.kind = HostEvent::Kind::Close;
                    break;
                case SDL_WINDOWEVENT_EXPOSED:
                    h.kind = HostEvent::Kind::Expose;
                    break;
                case SDL_WINDOWEVENT_LEAVE:
                    h.kind = HostEvent::Kind::Leave;
                    break;
                case SDL_WINDOWEVENT_MINIMIZED:
                    h.kind = HostEvent::Kind::Minimized;
                    break;
                case SDL_WINDOWEVENT_RESTORED:
                    h.kind = HostEvent::Kind::Restored;
                    break;
                case SDL_WINDOWEVENT_SHOWN:
                    // Shown again after the host hid it for want of a window
                    // manager to iconify it: brought back from outside.
                    if (!w->TakeHiddenForMinimize()) return;
                    h.kind = HostEvent::Kind::Restored;
                    break;
                case SDL_WINDOWEVENT_MOVED:
                    h.kind = HostEvent::Kind::Moved;
                    h.screen = {e.window.data1, e.window.data2};
                    if (h.screen == Point{h.form->Left(), h.form->Top()}) return;
                    break;
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    h.kind = HostEvent::Kind::Resized;
                    h.screen = {e.window.data1, e.window.data2};
                    if (h.screen == Point{h.form->Width(), h.form->Height()}) return;
                    break;
                default:
                    return;
            }
            break;
        }
        default:
            return;
    }
    sink.HandleHostEvent(h);
    const bool pointerUnseen = h.kind == HostEvent::Kind::Leave || h.kind == HostEvent::Kind::Minimized ||
                               h.kind == HostEvent::Kind::Restored;
    if (pointerUnseen) ReportPointer(e.window.windowID, sink);
}

// The framework knows the pointer only from moves, and none comes once it has
// left the window, while the window is an icon, or when the window comes back
// where the pointer is not: the frame's hover poll would go on seeing the
// pointer where it was last, and a restored window would keep its minimize
// button hot. The pointer's place, asked of the X server (SDL's answer may be
// an old one), comes as a move. Other displays do not tell it.
void SdlHost::ReportPointer(uint32_t windowId, HostEventSink& sink) const {
    SdlWindow* w = FindWindow(windowId);  // the event's handlers may have closed it
    if (!w) return;
    HostEvent move;
    move.kind = HostEvent::Kind::MouseMove;
    move.form = &w->Form();
    if (!X11PointerOnScreen(w->X11Display(), move.screen.x, move.screen.y)) return;
    move.shift = ShiftFromSdl(static_cast<uint16_t>(SDL_GetModState()));
    sink.HandleHostEvent(move);
}

}  // namespace dsp
