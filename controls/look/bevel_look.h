#pragma once
// The bevel's look: its shape in two shades, the first one on the top-left
// edges of a lowered bevel's lines.

#include "controls/look/look_context.h"
#include "controls/model/bevel_shape.h"

namespace dsp {

struct BevelVisual {
    int width = 0;
    int height = 0;
    TBevelShape shape = TBevelShape::bsBox;
    TBevelStyle style = TBevelStyle::bsLowered;
    // A divider: a short line in the middle, across the shape's direction.
    bool dividerMode = false;
    Color light = clBtnHighlight;
    Color dark = clBtnShadow;
};

void PaintBevel(LookContext& look, const BevelVisual& v);

}  // namespace dsp
