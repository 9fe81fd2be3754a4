#pragma once
// The X window manager as the SDL host needs it for windows that draw their
// own frame: telling whether one runs, and handing it a move of a window by
// the pointer (the EWMH move request), which works where the window moving
// itself would fight the manager.

namespace dsp {

// `display` is the Xlib Display*, `window` the X window; both as SDL reports
// them. Kept as plain types so callers need no X headers.
//
// A manager runs when the root's _NET_SUPPORTING_WM_CHECK names a window
// whose own property names itself; a manager that has gone leaves the root's
// property naming a window that no longer exists.
bool X11WindowManagerRuns(void* display);

// Whether a compositing manager runs on the display's default screen (owns
// its _NET_WM_CM_Sn selection): only then does a window's opacity show.
bool X11CompositorRuns(void* display);

// Releases the pointer grab and asks the manager to move `window` with the
// pointer, which went down at (x, y) on the screen with the left button; the
// window itself is sent the button's release, which the manager takes.
bool X11RequestMove(void* display, unsigned long window, int x, int y);

}  // namespace dsp
