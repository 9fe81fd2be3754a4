#pragma once
// The framework's message box (message_box_look.h) as a window of its own:
// borderless, on top, dragged by its caption strip. It runs its own event
// loop until OK is clicked, Enter, Space or Escape is pressed or the box is
// closed. Meanwhile the program's other windows are shown again from their
// surfaces whenever the display asks, so none goes blank behind the box.

#include <SDL2/SDL.h>

#include <string>
#include <vector>

#include "platform/framework/message_box_look.h"

namespace dsp {

class SdlMessageBox {
  public:
    SdlMessageBox(MessageBoxLook& look, const std::string& caption, const std::string& text,
                  const MessageBoxLayout& layout);
    ~SdlMessageBox();
    SdlMessageBox(const SdlMessageBox&) = delete;
    SdlMessageBox& operator=(const SdlMessageBox&) = delete;

    // False when no window could be made for it.
    bool Opened() const { return window_ != nullptr; }
    // Returns when the box is dismissed. A request to quit the program that
    // comes meanwhile dismisses the box and is handed back to the queue.
    void Run();

  private:
    static SDL_HitTestResult HitTest(SDL_Window* window, const SDL_Point* point, void* data);
    void Show();
    // True when the event dismisses the box.
    bool Handle(const SDL_Event& event);

    MessageBoxLook& look_;
    std::string caption_;
    std::string text_;
    MessageBoxLayout layout_;
    SDL_Window* window_ = nullptr;
    bool pressed_ = false;
};

}  // namespace dsp
