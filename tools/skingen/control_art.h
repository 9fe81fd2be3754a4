#pragma once
// The control atlas (picture list entry 0): every control section's images,
// painted at the rectangles of geometry.h in a theme's colours.

#include "platform/graphics/bitmap.h"
#include "tools/skingen/theme.h"

namespace dsp::skingen {

Bitmap PaintControlAtlas(const Theme& theme);

}  // namespace dsp::skingen
