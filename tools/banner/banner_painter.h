#pragma once
// The banner across the top of the window: a dark studio panel with the
// "DSP" mark and rows of level meters. The window shows it unscaled from its
// top-left corner in a 697 x 38 strip, so everything that matters sits there;
// the rest of the 998 x 157 picture continues the same panel.

#include "platform/graphics/bitmap.h"
#include "platform/text/font_engine.h"

namespace dsp {

inline constexpr int kBannerWidth = 998;
inline constexpr int kBannerHeight = 157;
inline constexpr int kBannerVisibleWidth = 697;
inline constexpr int kBannerVisibleHeight = 38;

Bitmap PaintBanner(FontEngine& fonts);

}  // namespace dsp
