#include "controls/look/label_look.h"

#include "controls/look/default_look.h"
#include "controls/look/text_paint.h"

namespace dsp {
namespace {

// Centred vertically at the area's left edge; the glyph's bottom-left pixel
// is its transparent colour.
void PaintGlyph(Canvas& canvas, const LabelVisual& v) {
    if (v.glyph == nullptr) return;
    const Bitmap& glyph = *v.glyph;
    const Point at{v.area.left, v.area.top + (v.area.Height() - glyph.Height()) / 2};
    canvas.DrawTransparent(at, glyph, v.glyphCell, glyph.GetPixel(0, glyph.Height() - 1));
}

void PaintCaption(LookContext& look, const LabelVisual& v) {
    const Rect text{v.area.left + v.indent, v.area.top, v.area.right, v.area.bottom};
    PaintText(look, v.font, v.font.Color(), v.caption, text, v.format);
}

}  // namespace

void PaintLabelDefault(LookContext& look, const LabelVisual& v) {
    DrawBorderStyleBox(look.canvas, {0, 0, v.width, v.height}, v.border);
    PaintCaption(look, v);
    PaintGlyph(look.canvas, v);
}

void PaintLabelSkin(LookContext& look, const LabelVisual& v) {
    PaintGlyph(look.canvas, v);
    PaintCaption(look, v);
}

}  // namespace dsp
