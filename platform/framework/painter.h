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

}  // namespace dsp
