#pragma once
// Carrying out a composition plan: drawing its pieces from a picture onto a
// canvas, and cutting a mask picture into a region with the very same plan.

#include "platform/graphics/canvas.h"
#include "platform/graphics/region.h"
#include "skin/compose/piece_plan.h"

namespace dsp {

// Each piece copied (same size) or stretched, in plan order.
void DrawPlan(Canvas& canvas, const Bitmap& picture, const PiecePlan& plan);
// The same, leaving out the picture's pixels of the transparent colour.
void DrawPlanTransparent(Canvas& canvas, const Bitmap& picture, const PiecePlan& plan, Color transparent);

// The mask composed by the plan, every black pixel (red, green and blue all 0)
// inside, every other pixel and every pixel no piece covers outside; in the
// plan's destination coordinates.
Region RegionFromPlan(const Bitmap& mask, const PiecePlan& plan);

}  // namespace dsp
