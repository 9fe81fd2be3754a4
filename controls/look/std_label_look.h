#pragma once
// The std label's look: its caption over whatever lies behind (the label
// has no background), engraved while disabled.

#include <string_view>

#include "controls/look/look_context.h"
#include "platform/text/font.h"

namespace dsp {

struct StdLabelVisual {
    int width = 0;
    int height = 0;
    std::string_view caption;
    TFont font;           // with the colour of an enabled label
    unsigned format = 0;  // alignment, word break, ellipsis
    bool enabled = true;
    // A disabled label's two shades: the skin's or the system's.
    Color highlight = clBtnHighlight;
    Color shadow = clBtnShadow;
};

// Enabled: the caption in its colour. Disabled: a highlight copy one pixel
// down and right, then the caption in the shadow shade.
void PaintStdLabel(LookContext& look, const StdLabelVisual& v);
// Two visuals that paint the same pixels over the same background.
bool SameStdLabelLook(const StdLabelVisual& a, const StdLabelVisual& b);

}  // namespace dsp
