#pragma once
// A press on the caption that becomes a move of the window once the pointer
// has travelled a few pixels. Where a window manager runs, the move is
// handed to it; otherwise the window follows the pointer itself, keeping the
// grab point under it, and may snap to the edges of its work area.

#include "platform/graphics/geometry.h"

namespace dsp {

class TForm;

class CaptionDrag {
  public:
    explicit CaptionDrag(TForm& form) : form_(form) {}

    bool Pressed() const { return pressed_; }
    // Past the threshold: the window is being moved.
    bool Moving() const { return moving_; }

    // The caption was pressed at `screen`: the window holds the mouse.
    // Within `snap` pixels of an edge of its work area, a window the program
    // moves itself snaps to that edge (0: it goes where it is put).
    void Press(Point screen, int snap = 0);
    // The pointer is at `screen` (where it really was, even for an event
    // measured against the window's place before the last step).
    void MoveTo(Point screen);
    // The button came up: the window lets the mouse go.
    void Release();
    // Another control took the mouse: the drag ends where it is.
    void CaptureLost();

  private:
    void Capture(bool on);

    TForm& form_;
    bool pressed_ = false, moving_ = false, capture_ = false;
    int snap_ = 0;
    Point grabScreen_, grabWindow_;
};

// Where a window of `bounds` goes when snapped to `area`: each of its edges
// within `distance` of the area's matching edge lands on it (the left and
// top edges win over the right and bottom ones).
Point SnapToEdges(const Rect& bounds, const Rect& area, int distance);

}  // namespace dsp
