#include "platform/hosts/sdl/x11_pointer.h"

#include <SDL2/SDL.h>

// After our own headers: the X macros would break them.
#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>

namespace dsp {

bool X11PointerFromSysWm(const void* sdlSysWmMsg, X11PointerPosition& out) {
    const auto* msg = static_cast<const SDL_SysWMmsg*>(sdlSysWmMsg);
    if (msg == nullptr || msg->subsystem != SDL_SYSWM_X11) return false;
    const XEvent& e = msg->msg.x11.event;
    switch (e.type) {
        case MotionNotify:
            out = {
                true, false, e.xmotion.x, e.xmotion.y, e.xmotion.x_root, e.xmotion.y_root, e.xmotion.window};
            return true;
        case ButtonPress:
        case ButtonRelease:
            out = {
                true, true, e.xbutton.x, e.xbutton.y, e.xbutton.x_root, e.xbutton.y_root, e.xbutton.window};
            return true;
        default:
            return false;
    }
}

bool X11PointerOnScreen(void* display, int& rootX, int& rootY) {
    if (display == nullptr) return false;
    auto* d = static_cast<Display*>(display);
    Window root = 0, child = 0;
    int x = 0, y = 0;
    unsigned int buttons = 0;
    return XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rootX, &rootY, &x, &y, &buttons) != 0;
}

}  // namespace dsp
