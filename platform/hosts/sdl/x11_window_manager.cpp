#include "platform/hosts/sdl/x11_window_manager.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <string>

namespace dsp {
namespace {

// Reading a property of a window that may be gone raises an X error; this
// handler notes it instead of ending the program. One display connection,
// one UI thread: a file-level flag is all it needs.
bool xErrorSeen = false;

int NoteError(Display*, XErrorEvent*) {
    xErrorSeen = true;
    return 0;
}

// The window named by `window`'s _NET_SUPPORTING_WM_CHECK, or None.
Window CheckWindow(Display* d, Window window, Atom check) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    Window named = None;
    if (XGetWindowProperty(d, window, check, 0, 1, False, XA_WINDOW, &type, &format, &count, &after, &data) ==
            Success &&
        type == XA_WINDOW && format == 32 && count == 1 && data != nullptr)
        named = *reinterpret_cast<Window*>(data);
    if (data != nullptr) XFree(data);
    return named;
}

// The _NET_MOVERESIZE_... direction of a plain move, and its source: an
// ordinary application.
constexpr long kMoveResizeMove = 8;
constexpr long kSourceApplication = 1;

}  // namespace

bool X11WindowManagerRuns(void* display) {
    auto* d = static_cast<Display*>(display);
    if (d == nullptr) return false;
    const Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
    XSync(d, False);
    xErrorSeen = false;
    XErrorHandler previous = XSetErrorHandler(&NoteError);
    const Window named = CheckWindow(d, DefaultRootWindow(d), check);
    const Window self = named != None ? CheckWindow(d, named, check) : None;
    XSync(d, False);
    XSetErrorHandler(previous);
    return !xErrorSeen && named != None && self == named;
}

bool X11CompositorRuns(void* display) {
    auto* d = static_cast<Display*>(display);
    if (d == nullptr) return false;
    const std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(d));
    return XGetSelectionOwner(d, XInternAtom(d, name.c_str(), False)) != None;
}

bool X11RequestMove(void* display, unsigned long window, int x, int y) {
    auto* d = static_cast<Display*>(display);
    if (d == nullptr || !X11WindowManagerRuns(display)) return false;
    XUngrabPointer(d, CurrentTime);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(d, "_NET_WM_MOVERESIZE", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = x;
    e.xclient.data.l[1] = y;
    e.xclient.data.l[2] = kMoveResizeMove;
    e.xclient.data.l[3] = Button1;
    e.xclient.data.l[4] = kSourceApplication;
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    // The manager now holds the pointer, and the button's release goes to
    // it. Left without one, the window would think the button still down:
    // its next press would be dropped as a repeat, and a double-click on
    // the caption would go unseen. It gets the release here instead.
    XEvent up{};
    up.xbutton.type = ButtonRelease;
    up.xbutton.display = d;
    up.xbutton.window = window;
    up.xbutton.root = DefaultRootWindow(d);
    up.xbutton.x_root = x;
    up.xbutton.y_root = y;
    up.xbutton.button = Button1;
    up.xbutton.state = Button1Mask;
    up.xbutton.same_screen = True;
    XSendEvent(d, window, False, ButtonReleaseMask, &up);
    XFlush(d);
    return true;
}

}  // namespace dsp
