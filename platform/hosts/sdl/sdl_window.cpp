#include "platform/hosts/sdl/sdl_window.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/framework/form.h"
#include "platform/hosts/sdl/sdl_host.h"
#include "platform/hosts/sdl/x11_pointer.h"
#include "platform/hosts/sdl/x11_presenter.h"
#include "platform/hosts/sdl/x11_window_manager.h"

// The X headers come last: their macros (None, Bool, Status...) would break
// our own headers.
#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace dsp {
namespace {

// The caption is not handed to SDL: its "draggable" answer swallows every
// button event there (no double-click would reach the frame), and without a
// window manager the window would not move at all. The frame moves the
// window itself (BeginSystemMove). Only the sizing borders go to SDL.
SDL_HitTestResult HitCodeToSdl(intptr_t code) {
    switch (code) {
        case kHtLeft:
            return SDL_HITTEST_RESIZE_LEFT;
        case kHtRight:
            return SDL_HITTEST_RESIZE_RIGHT;
        case kHtTop:
            return SDL_HITTEST_RESIZE_TOP;
        case kHtTopLeft:
            return SDL_HITTEST_RESIZE_TOPLEFT;
        case kHtTopRight:
            return SDL_HITTEST_RESIZE_TOPRIGHT;
        case kHtBottom:
            return SDL_HITTEST_RESIZE_BOTTOM;
        case kHtBottomLeft:
            return SDL_HITTEST_RESIZE_BOTTOMLEFT;
        case kHtBottomRight:
            return SDL_HITTEST_RESIZE_BOTTOMRIGHT;
        default:
            return SDL_HITTEST_NORMAL;
    }
}

bool X11Info(SDL_Window* window, SDL_SysWMinfo& info) {
    SDL_VERSION(&info.version);
    return SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11;
}

}  // namespace

SdlWindow::SdlWindow(SdlHost& host, TForm& form) : host_(host), form_(form) {
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (!form.NativeFrame()) flags |= SDL_WINDOW_BORDERLESS;
    // A popup is an override-redirect window on X11: the window manager
    // never gives it the keyboard.
    if (form.IsPopup()) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
    window_ = SDL_CreateWindow(form.Text().c_str(), form.Left(), form.Top(), std::max(form.Width(), 1),
                               std::max(form.Height(), 1), flags);
    if (!window_) throw std::runtime_error(std::string("cannot create a window: ") + SDL_GetError());
    // A decorated window is moved by the display's own frame.
    if (!form.NativeFrame()) SDL_SetWindowHitTest(window_, &SdlWindow::HitTest, this);
    host_.windows_.push_back(this);
}

SdlWindow::~SdlWindow() {
    std::erase(host_.windows_, this);
    SDL_DestroyWindow(window_);
}

SDL_HitTestResult SdlWindow::HitTest(SDL_Window*, const SDL_Point* point, void* data) {
    auto* self = static_cast<SdlWindow*>(data);
    try {
        TForm& f = self->form_;
        intptr_t code = f.Perform(kWmNcHitTest, 0, MakeLParam(f.Left() + point->x, f.Top() + point->y));
        return HitCodeToSdl(code);
    } catch (...) {
        // Nothing may unwind through SDL; the press then arrives as a plain one.
        return SDL_HITTEST_NORMAL;
    }
}

void SdlWindow::SetBounds(const Rect& r) {
    SDL_SetWindowPosition(window_, r.left, r.top);
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    if (w != r.Width() || h != r.Height())
        SDL_SetWindowSize(window_, std::max(r.Width(), 1), std::max(r.Height(), 1));
}

void SdlWindow::SetVisible(bool visible) {
    if (!visible) {
        SDL_HideWindow(window_);
        return;
    }
    SDL_SysWMinfo info;
    bool x11 = form_.IsPopup() && X11Info(window_, info);
    ::Window focus = None;
    int revert = RevertToParent;
    if (x11) XGetInputFocus(info.info.x11.display, &focus, &revert);
    SDL_ShowWindow(window_);
    // Without a window manager SDL hands the keyboard to every window it
    // shows. A popup must never have it: give it back to whoever had it.
    if (x11 && focus != None && focus != PointerRoot) {
        XSetInputFocus(info.info.x11.display, focus, revert, CurrentTime);
        XFlush(info.info.x11.display);
    }
}

void SdlWindow::SetTitle(const std::string& title) { SDL_SetWindowTitle(window_, title.c_str()); }

void BlitToWindow(SDL_Window* window, const Bitmap& frame, const Region& dirty) {
    SDL_Surface* target = SDL_GetWindowSurface(window);
    if (!target || frame.Empty() || dirty.IsEmpty()) return;
    SDL_Surface* source =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Pixel*>(frame.Data()), frame.Width(), frame.Height(),
                                           32, frame.Width() * 4, SDL_PIXELFORMAT_RGB888);
    if (!source) return;
    std::vector<SDL_Rect> rects;
    for (const Rect& r : dirty.Rects()) {
        SDL_Rect from{r.left, r.top, r.Width(), r.Height()};
        SDL_Rect to = from;
        SDL_BlitSurface(source, &from, target, &to);
        rects.push_back(from);
    }
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurfaceRects(window, rects.data(), static_cast<int>(rects.size()));
}

void SdlWindow::Present(const Bitmap& frame, const Region& dirty) {
    if (frame.Empty()) return;
    if (!presenterTried_) {
        presenterTried_ = true;
        SDL_SysWMinfo info;
        if (X11Info(window_, info))
            presenter_ = X11Presenter::Create(info.info.x11.display, info.info.x11.window);
    }
    if (presenter_) {
        presenter_->Present(frame, dirty.Rects());
    } else {
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (!surface) return;
        // A surface SDL has just made (first show, a new size) holds nothing
        // of ours yet: it takes the whole frame whatever changed.
        const Size size{surface->w, surface->h};
        const bool fresh = surface != surface_ || size != surfaceSize_;
        surface_ = surface;
        surfaceSize_ = size;
        BlitToWindow(window_, frame, fresh ? Region(frame.Bounds()) : dirty);
    }
    // SDL may replace the X window when it first makes the window surface,
    // so the shape goes on after the first present.
    if (!presented_) {
        presented_ = true;
        shapeDirty_ = shapeDirty_ || shape_.has_value();
    }
    if (shapeDirty_) ApplyShape();
}

void SdlWindow::SetShape(const Region* shape) {
    shape_ = shape ? std::optional<Region>(*shape) : std::nullopt;
    shapeDirty_ = true;
    if (presented_) ApplyShape();
}

void SdlWindow::ApplyShape() {
    shapeDirty_ = false;
    SDL_SysWMinfo info;
    if (!X11Info(window_, info)) return;  // other display servers: rectangular
    Display* display = info.info.x11.display;
    ::Window xwindow = info.info.x11.window;
    if (!shape_) {
        XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> rects;
        for (const Rect& r : shape_->Rects())
            rects.push_back({static_cast<short>(r.left), static_cast<short>(r.top),
                             static_cast<unsigned short>(r.Width()),
                             static_cast<unsigned short>(r.Height())});
        XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, rects.data(),
                                static_cast<int>(rects.size()), ShapeSet, Unsorted);
    }
    XFlush(display);
}

void SdlWindow::Activate() {
    if (!form_.IsPopup()) SDL_RaiseWindow(window_);
}

void SdlWindow::SetCapture(bool capture) { SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE); }

// Iconifying is the window manager's job; with none to do it, the request
// would change nothing and the button would seem dead. The window is then
// withdrawn (unmapped) instead, as an iconified window is, and shown again
// by Restore or by whoever maps it.
void SdlWindow::Minimize() {
    SDL_SysWMinfo info;
    if (X11Info(window_, info) && !X11WindowManagerRuns(info.info.x11.display)) {
        hiddenForMinimize_ = true;
        SDL_HideWindow(window_);
        return;
    }
    SDL_MinimizeWindow(window_);
}

void SdlWindow::Restore() {
    if (std::exchange(hiddenForMinimize_, false)) {
        SDL_ShowWindow(window_);
        return;
    }
    SDL_RestoreWindow(window_);
}

bool SdlWindow::BeginSystemMove(Point screen) {
    SDL_SysWMinfo info;
    if (!X11Info(window_, info)) return false;
    SDL_CaptureMouse(SDL_FALSE);
    return X11RequestMove(info.info.x11.display, info.info.x11.window, screen.x, screen.y);
}

unsigned long SdlWindow::XWindow() const {
    SDL_SysWMinfo info;
    return X11Info(window_, info) ? info.info.x11.window : 0;
}

void* SdlWindow::X11Display() const {
    SDL_SysWMinfo info;
    return X11Info(window_, info) ? info.info.x11.display : nullptr;
}

// On X11 the opacity is a property that only a compositing manager acts on;
// without one the window would stay opaque, so it counts as unsupported.
bool SdlWindow::SetOpacity(int alpha) {
    SDL_SysWMinfo info;
    if (X11Info(window_, info) && !X11CompositorRuns(info.info.x11.display)) return false;
    return SDL_SetWindowOpacity(window_, float(std::clamp(alpha, 0, 255)) / 255.0f) == 0;
}

void SdlWindow::SetCursor(TCursor cursor) { host_.ShowCursor(cursor); }

int SdlWindow::DisplayFd() const {
    SDL_SysWMinfo info;
    if (!X11Info(window_, info)) return -1;
    return ConnectionNumber(info.info.x11.display);
}

}  // namespace dsp
