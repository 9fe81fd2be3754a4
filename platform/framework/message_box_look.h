#pragma once
// The message box of the application's error report, as every host shows it:
// a caption strip, the text (wrapped), and an OK button. It is centred on the
// window it belongs to and kept on the work area. The framework draws it with
// its own text engine, so it looks and sits the same on every host and needs
// nothing from the display's toolkit.

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/host.h"
#include "platform/graphics/canvas.h"

namespace dsp {

class FontEngine;

struct MessageBoxLayout {
    Rect bounds;   // screen coordinates
    Rect caption;  // the rest in box coordinates
    Rect text;
    Rect button;
};

// `size` centred on `owner` (on `workArea` when `owner` is empty), then moved
// wholly onto the work area as far as it fits there.
Rect CentredBox(Size size, const Rect& owner, const Rect& workArea);

// The work area of the display that holds the middle of `owner`; the first
// display's when none does (or there is no owner).
Rect WorkAreaAround(const Rect& owner, const std::vector<MonitorInfo>& monitors);

class MessageBoxLook {
  public:
    MessageBoxLook();
    ~MessageBoxLook();
    MessageBoxLook(const MessageBoxLook&) = delete;
    MessageBoxLook& operator=(const MessageBoxLook&) = delete;

    MessageBoxLayout LayOut(const std::string& caption, const std::string& text, const Rect& owner,
                            const Rect& workArea);
    // Paints the whole box at (0, 0); `pressed` draws the button held down.
    void Paint(Canvas& canvas, const MessageBoxLayout& layout, const std::string& caption,
               const std::string& text, bool pressed);

  private:
    std::unique_ptr<FontEngine> engine_;
};

}  // namespace dsp
