#pragma once
// A picture strip fitted along one axis by the three-piece rule (fixed ends
// copied, the middle repeated or stretched), as the list kinds draw their
// items and thumbs.

#include "controls/look/skin_text.h"
#include "platform/graphics/canvas.h"
#include "skin/compose/piece_plan.h"

namespace dsp {

// Draws `strip` of `picture` into `dest` along `axis`: the first `startFixed`
// and the last `endFixed` pixels copied unchanged, the middle repeated (the
// last copy cut) or stretched. Across the axis the strip keeps its size.
void DrawThreePiece(Canvas& canvas, const Bitmap& picture, const Rect& strip, Axis axis, int startFixed,
                    int endFixed, const Rect& dest, PieceFill fill);

}  // namespace dsp
