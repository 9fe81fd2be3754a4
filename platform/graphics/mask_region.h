#pragma once
// Window shapes from mask pictures: every horizontal run of black pixels (red,
// green and blue all 0) in a row of the mask becomes a one-pixel-high
// rectangle; every other colour lies outside.

#include "platform/graphics/bitmap.h"
#include "platform/graphics/region.h"

namespace dsp {

// Runs are handed over in batches of at most this many, each batch becoming
// one region that joins the result, so a busy mask never needs one huge
// rectangle list and still loses no run.
inline constexpr int kMaskRunsPerBatch = 10000;

// Scans `piece` of `mask` (clipped to the mask) and places the result with the
// piece's top-left corner at `at`.
Region RegionFromMask(const Bitmap& mask, const Rect& piece, Point at, int runsPerBatch = kMaskRunsPerBatch);

}  // namespace dsp
