#pragma once
// Showing changed rectangles of a frame bitmap in an X window with plain
// PutImage requests. SDL's window surface sends its pixels through shared
// memory and must then wait for the X server to have read them before the
// next paint may touch them: a round trip per present, which on a busy
// machine costs more than the copy itself. A PutImage request carries its
// own copy of the pixels, so a present only queues the requests and flushes
// them; nothing waits. Only for displays whose pixels are the frame's own
// 0x00RRGGBB words (24-bit TrueColor, the usual X visual); others keep
// SDL's surface.

#include <memory>
#include <span>

#include "platform/graphics/bitmap.h"

namespace dsp {

class X11Presenter {
  public:
    // `display` is the Xlib Display*, `window` the X window, as SDL reports
    // them. nullptr when the window's visual does not take our pixels.
    static std::unique_ptr<X11Presenter> Create(void* display, unsigned long window);
    ~X11Presenter();
    X11Presenter(const X11Presenter&) = delete;
    X11Presenter& operator=(const X11Presenter&) = delete;

    // Sends `rects` of `frame` (window coordinates, inside the frame).
    void Present(const Bitmap& frame, std::span<const Rect> rects);

  private:
    X11Presenter(void* display, unsigned long window, void* gc, void* visual, int depth);

    void* display_;
    unsigned long window_;
    void* gc_;
    void* visual_;
    int depth_;
};

}  // namespace dsp
