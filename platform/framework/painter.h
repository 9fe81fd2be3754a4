#pragma once
// Paints a windowed control and everything inside it onto a canvas over the
// form's frame bitmap: the non-client area, the erase request (not for an
// opaque control), the control's own paint, its windowless children, then its
// windowed children, each clipped to its parent's client rectangle and its
// own window region. A control's own steps leave out what its opaque windowed
// children cover.

#include "platform/graphics/canvas.h"

namespace dsp {

class TWinControl;

// `origin`: where the control's window (0, 0) falls on the canvas's bitmap.
void PaintWindowTree(Canvas& canvas, TWinControl& control, Point origin);

// Brings `box` (on the canvas's bitmap, with `root` at (0, 0)) up to date by
// painting only the deepest control below `root` that alone paints every
// pixel of it: opaque, not cut by a window region, with nothing painted after
// it reaching into the box. What lies behind such a control is painted over
// by it, so the result is the pixels PaintWindowTree gives, without walking
// the rest of the tree (a button's hover step repaints just the button).
// False, with nothing painted, when no control below `root` qualifies.
bool PaintWithinOneControl(Canvas& canvas, TWinControl& root, const Rect& box);

}  // namespace dsp
