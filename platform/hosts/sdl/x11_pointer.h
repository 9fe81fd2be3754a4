#pragma once
// Where the pointer was on the screen for an X pointer event. SDL hands on
// motion and button events in window coordinates only, and the host would
// add the window's position at the time it reads the event. While the
// program moves its own window (a caption drag without a window manager),
// the events still queued were measured against the window's old place:
// the window would run a step ahead of the pointer. X gives every pointer
// event its root coordinates too; SDL passes the raw event on first (as a
// window-manager event), and the host takes the screen position from it.
// Button and wheel events need it most: SDL gives them the position of the
// last motion, which is stale once the window has moved under a pointer
// that stayed still.

namespace dsp {

struct X11PointerPosition {
    bool valid = false;
    bool button = false;       // a button press or release, not a motion
    int x = 0, y = 0;          // in the event's window
    int rootX = 0, rootY = 0;  // on the screen
    unsigned long window = 0;  // the X window the event went to
};

// Fills `out` from an SDL_SysWMmsg (given as `sdlSysWmMsg`) carrying an X
// motion, button press or button release event; false for anything else.
bool X11PointerFromSysWm(const void* sdlSysWmMsg, X11PointerPosition& out);

// Where the pointer is on the screen now, asked of the X server (`display`
// is the Xlib Display*); false when it is on another screen or the display
// cannot tell. SDL's own answer may be an old one.
bool X11PointerOnScreen(void* display, int& rootX, int& rootY);

}  // namespace dsp
