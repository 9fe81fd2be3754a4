#pragma once
// The skinned label's and status panel's look: the caption on one line in
// the label's area, after the status panel's glyph. Without a skin a box in
// the label's border style goes behind; with one the section's body is
// already drawn.

#include <string_view>

#include "controls/look/look_context.h"
#include "controls/model/panel_model.h"
#include "platform/text/font.h"

namespace dsp {

struct LabelVisual {
    int width = 0;
    int height = 0;
    TbsSkinBorderStyle border = TbsSkinBorderStyle::bvNone;  // the default look's box
    Rect area;                                               // where the glyph and the text go
    int indent = 0;                                          // room kept for the glyph
    std::string_view caption;
    TFont font;           // with the colour to draw the caption in
    unsigned format = 0;  // alignment and ellipsis
    // The status panel's glyph and the cell of it to draw; none when null.
    const Bitmap* glyph = nullptr;
    Rect glyphCell;
};

// The box, the caption, then the glyph over it.
void PaintLabelDefault(LookContext& look, const LabelVisual& v);
// Over the section's body: the glyph, then the caption.
void PaintLabelSkin(LookContext& look, const LabelVisual& v);

}  // namespace dsp
