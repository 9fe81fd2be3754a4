#pragma once
// Pictures of the window and of one control as the window paints them, for
// tests that compare what a control shows with a golden picture.

#include "platform/framework/form.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace dsp::test {

// The whole window, frame included, painted as it stands over `background`
// (what shows outside a shaped window).
inline Bitmap WindowPicture(TForm& form, Color background = clBlack) {
    Bitmap window(form.Width(), form.Height(), background);
    Canvas canvas(window);
    form.PaintTo(canvas, {0, 0});
    return window;
}

// A control cut out of its window's picture, at its size; a pop-up (a form
// of its own) is painted alone.
inline Bitmap ControlPicture(TForm& form, TControl& control, Color background = clBlack) {
    if (auto* popup = dynamic_cast<TForm*>(&control)) return WindowPicture(*popup);
    Point at = control.OffsetInForm();  // a windowed control's client area: back to its own origin
    if (auto* windowed = dynamic_cast<TWinControl*>(&control))
        at = at - windowed->ClientRectInWindow().TopLeft();
    Bitmap out(control.Width(), control.Height());
    Canvas(out).CopyRect({0, 0}, WindowPicture(form, background),
                         Rect::FromOriginSize(at.x, at.y, control.Width(), control.Height()));
    return out;
}

}  // namespace dsp::test
