#pragma once
// Small helpers the skinned painters of the list kinds share: skin values as
// drawing values, and a picture strip fitted along one axis by the
// three-piece rule (fixed ends copied, the middle repeated or stretched).

#include "platform/graphics/canvas.h"
#include "skin/compose/piece_plan.h"
#include "skin/skin_types.h"

namespace dsp {

inline Rect FromSkinRect(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
inline Color FromSkinColor(TColor c) { return static_cast<Color>(static_cast<std::uint32_t>(c)); }
inline bool IsEmptyRect(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

// Draws `strip` of `picture` into `dest` along `axis`: the first `startFixed`
// and the last `endFixed` pixels copied unchanged, the middle repeated (the
// last copy cut) or stretched. Across the axis the strip keeps its size.
void DrawThreePiece(Canvas& canvas, const Bitmap& picture, const Rect& strip, Axis axis, int startFixed,
                    int endFixed, const Rect& dest, PieceFill fill);

}  // namespace dsp
