#include "platform/hosts/sdl/sdl_message_box.h"

#include "platform/hosts/sdl/sdl_window.h"

namespace dsp {
namespace {

bool Inside(const Rect& r, int x, int y) { return r.Contains(Point{x, y}); }

bool DismissKey(SDL_Keycode key) {
    return key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_ESCAPE || key == SDLK_SPACE;
}

}  // namespace

SdlMessageBox::SdlMessageBox(MessageBoxLook& look, const std::string& caption, const std::string& text,
                             const MessageBoxLayout& layout)
    : look_(look), caption_(caption), text_(text), layout_(layout) {
    const Rect& b = layout_.bounds;
    window_ = SDL_CreateWindow(caption_.c_str(), b.left, b.top, b.Width(), b.Height(),
                               SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR);
    if (window_) SDL_SetWindowHitTest(window_, &SdlMessageBox::HitTest, this);
}

SdlMessageBox::~SdlMessageBox() {
    if (window_) SDL_DestroyWindow(window_);
}

SDL_HitTestResult SdlMessageBox::HitTest(SDL_Window*, const SDL_Point* point, void* data) {
    auto* self = static_cast<SdlMessageBox*>(data);
    return Inside(self->layout_.caption, point->x, point->y) ? SDL_HITTEST_DRAGGABLE : SDL_HITTEST_NORMAL;
}

void SdlMessageBox::Show() {
    Bitmap picture(layout_.bounds.Width(), layout_.bounds.Height());
    Canvas canvas(picture);
    look_.Paint(canvas, layout_, caption_, text_, pressed_);
    BlitToWindow(window_, picture, Region({0, 0, picture.Width(), picture.Height()}));
}

void SdlMessageBox::Run() {
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    Show();
    SDL_Event event;
    while (SDL_WaitEvent(&event)) {
        if (Handle(event)) return;
    }
}

bool SdlMessageBox::Handle(const SDL_Event& e) {
    const Uint32 id = SDL_GetWindowID(window_);
    switch (e.type) {
        case SDL_QUIT: {
            SDL_Event again = e;
            SDL_PushEvent(&again);
            return true;
        }
        case SDL_KEYDOWN:
            return DismissKey(e.key.keysym.sym);
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.windowID != id || e.button.button != SDL_BUTTON_LEFT) return false;
            pressed_ = Inside(layout_.button, e.button.x, e.button.y);
            Show();
            return false;
        case SDL_MOUSEBUTTONUP: {
            if (e.button.windowID != id || e.button.button != SDL_BUTTON_LEFT) return false;
            const bool click = pressed_ && Inside(layout_.button, e.button.x, e.button.y);
            pressed_ = false;
            Show();
            return click;
        }
        case SDL_WINDOWEVENT:
            if (e.window.windowID == id) {
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) return true;
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED) Show();
            } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                // The surface still holds the window's last frame.
                if (SDL_Window* other = SDL_GetWindowFromID(e.window.windowID))
                    SDL_UpdateWindowSurface(other);
            }
            return false;
        default:
            return false;
    }
}

}  // namespace dsp
