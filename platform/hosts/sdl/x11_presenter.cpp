#include "platform/hosts/sdl/x11_presenter.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <bit>

namespace dsp {

std::unique_ptr<X11Presenter> X11Presenter::Create(void* display, unsigned long window) {
    auto* d = static_cast<Display*>(display);
    if (d == nullptr || window == 0) return nullptr;
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(d, window, &attributes) || attributes.visual == nullptr) return nullptr;
    const Visual* v = attributes.visual;
    if (attributes.depth != 24 || v->red_mask != 0xFF0000 || v->green_mask != 0xFF00 || v->blue_mask != 0xFF)
        return nullptr;
    GC gc = XCreateGC(d, window, 0, nullptr);
    if (gc == nullptr) return nullptr;
    return std::unique_ptr<X11Presenter>(new X11Presenter(display, window, gc, attributes.visual, 24));
}

X11Presenter::X11Presenter(void* display, unsigned long window, void* gc, void* visual, int depth)
    : display_(display), window_(window), gc_(gc), visual_(visual), depth_(depth) {}

X11Presenter::~X11Presenter() { XFreeGC(static_cast<Display*>(display_), static_cast<GC>(gc_)); }

void X11Presenter::Present(const Bitmap& frame, std::span<const Rect> rects) {
    auto* d = static_cast<Display*>(display_);
    // The image describes the frame in place; Xlib copies each rectangle's
    // rows into its request (splitting what exceeds the request size).
    XImage* image = XCreateImage(d, static_cast<Visual*>(visual_), unsigned(depth_), ZPixmap, 0,
                                 reinterpret_cast<char*>(const_cast<Pixel*>(frame.Data())),
                                 unsigned(frame.Width()), unsigned(frame.Height()), 32, frame.Width() * 4);
    if (image == nullptr) return;
    image->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;  // native words
    for (const Rect& r : rects) {
        const Rect c = Intersect(r, frame.Bounds());
        if (c.IsEmpty()) continue;
        XPutImage(d, window_, static_cast<GC>(gc_), image, c.left, c.top, c.left, c.top, unsigned(c.Width()),
                  unsigned(c.Height()));
    }
    image->data = nullptr;  // the frame's pixels are not Xlib's to free
    XDestroyImage(image);
    XFlush(d);
}

}  // namespace dsp
