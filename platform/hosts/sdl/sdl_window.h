#pragma once
// One SDL window of a form.

#include <SDL2/SDL.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/framework/host.h"
#include "platform/hosts/sdl/x11_presenter.h"

namespace dsp {

class SdlHost;

// Copies the rectangles of `dirty` from `frame` to the window's surface and
// shows just those: the display is sent the changed pixels only.
void BlitToWindow(SDL_Window* window, const Bitmap& frame, const Region& dirty);

class SdlWindow final : public HostWindow {
  public:
    SdlWindow(SdlHost& host, TForm& form);
    ~SdlWindow() override;

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
    uint32_t Id() const { return SDL_GetWindowID(window_); }
    SDL_Window* Native() const { return window_; }
    // The X11 display connection's descriptor, or -1 on other drivers.
    int DisplayFd() const;
    // Whether the window was hidden by Minimize (no window manager to
    // iconify it) and not shown since; clears the mark.
    bool TakeHiddenForMinimize() { return std::exchange(hiddenForMinimize_, false); }
    // The X window, or 0 on other drivers.
    unsigned long XWindow() const;
    // The Xlib Display*, or nullptr on other drivers.
    void* X11Display() const;

  private:
    static SDL_HitTestResult HitTest(SDL_Window* window, const SDL_Point* point, void* data);
    void ApplyShape();

    SdlHost& host_;
    TForm& form_;
    SDL_Window* window_ = nullptr;
    bool presented_ = false;
    bool hiddenForMinimize_ = false;
    // Presents on X11 (see x11_presenter.h); without it, SDL's window
    // surface, and the surface the last present went to, with its size.
    std::unique_ptr<X11Presenter> presenter_;
    bool presenterTried_ = false;
    SDL_Surface* surface_ = nullptr;
    Size surfaceSize_;
    std::optional<Region> shape_;
    bool shapeDirty_ = false;
};

}  // namespace dsp
