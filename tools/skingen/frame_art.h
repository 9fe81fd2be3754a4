#pragma once
// The window frame of a skin: the frame picture (caption, borders and the
// caption buttons' normal images), its 1-bit mask, the caption-button atlas
// with the other button states, and the background tile of the client area.

#include "platform/graphics/bitmap.h"
#include "tools/skingen/theme.h"

namespace dsp::skingen {

Bitmap PaintFramePicture(const Theme& theme);
// Black inside the window, white outside (the rounded top corners).
Bitmap PaintFrameMask();
Bitmap PaintCaptionButtons(const Theme& theme);
Bitmap PaintBackgroundTile(const Theme& theme);

}  // namespace dsp::skingen
