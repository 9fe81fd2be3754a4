#pragma once
// One SDL window of a form.

#include <SDL2/SDL.h>

#include <optional>
#include <string>

#include "platform/framework/host.h"

namespace dsp {

class SdlHost;

// Copies `dirty` of `frame` to the window's surface and shows it.
void BlitToWindow(SDL_Window* window, const Bitmap& frame, const Rect& dirty);

class SdlWindow final : public HostWindow {
  public:
    SdlWindow(SdlHost& host, TForm& form);
    ~SdlWindow() override;

    void SetBounds(const Rect& screenBounds) override;
    void SetVisible(bool visible) override;
    void SetTitle(const std::string& title) override;
    void Present(const Bitmap& frame, const Rect& dirty) override;
    void SetShape(const Region* shape) override;
    void Activate() override;
    void SetCapture(bool capture) override;
    void Minimize() override;
    void Restore() override;
    bool BeginSystemMove(Point screen) override;

    TForm& Form() const { return form_; }
    uint32_t Id() const { return SDL_GetWindowID(window_); }
    SDL_Window* Native() const { return window_; }
    // The X11 display connection's descriptor, or -1 on other drivers.
    int DisplayFd() const;

  private:
    static SDL_HitTestResult HitTest(SDL_Window* window, const SDL_Point* point, void* data);
    void ApplyShape();

    SdlHost& host_;
    TForm& form_;
    SDL_Window* window_ = nullptr;
    bool presented_ = false;
    std::optional<Region> shape_;
    bool shapeDirty_ = false;
};

}  // namespace dsp
