#pragma once
// The drawing sheet: one picture showing every canvas operation and text in
// both scripts, for the golden test and for looking at by eye.

#include "platform/graphics/bitmap.h"
#include "platform/text/font_engine.h"

namespace dsp {

Bitmap RenderSheet(FontEngine& engine);

}  // namespace dsp
