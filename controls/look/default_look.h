#pragma once
// Pieces of the default (unskinned) look that several controls share: a part
// framed and filled by its state, and the small black arrows.

#include "controls/model/panel_model.h"
#include "platform/graphics/canvas.h"

namespace dsp {

enum class PartState { Normal, Hot, Pressed };

// Pressed: dark blue frame, grey-blue fill; hot: the same frame, light fill;
// normal: a frame in button shadow round button face.
void DrawStatePart(Canvas& canvas, const Rect& r, PartState state);

// The spin edit's (and the drop-down buttons') arrow: the small triangle
// below, its down-pointing form a pixel lower than the scroll bar's.
void DrawSpinArrow(Canvas& canvas, const Rect& r, bool up, Color color);

// The plain box of a label or a panel: button face inside the border its
// style names (a shadow frame, raised or lowered edges, or none).
void DrawBorderStyleBox(Canvas& canvas, const Rect& r, TbsSkinBorderStyle style);

enum class ArrowDirection { Up, Down, Left, Right };
// A small triangle of four lines 1, 3, 5 and 7 pixels long, centred in `r`,
// pointing toward `direction`.
void DrawArrow(Canvas& canvas, const Rect& r, ArrowDirection direction, Color color);

}  // namespace dsp
