#pragma once
// The program's icon: a small mixing desk, three fader slots with their
// knobs at different heights on a dark blue rounded square. One list of
// shapes in a 256-unit square gives both the pictures (any size, smoothed by
// sampling each pixel 4 x 4 times) and the scalable SVG, so the two always
// show the same icon.

#include <string>

#include "platform/graphics/bitmap.h"

namespace dsp {

// A size x size picture; the top byte of each pixel is its opacity.
Bitmap PaintIcon(int size);
std::string IconSvg();

}  // namespace dsp
