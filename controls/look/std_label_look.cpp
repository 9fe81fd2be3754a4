#include "controls/look/std_label_look.h"

#include "platform/text/draw_text.h"

namespace dsp {

void PaintStdLabel(LookContext& look, const StdLabelVisual& v) {
    TFont f = v.font;
    Rect r{0, 0, v.width, v.height};
    if (!v.enabled) {
        f.SetColor(v.highlight);
        Rect shifted = r.Offset(1, 1);
        DrawText(look.fonts, look.canvas, f, v.caption, shifted, v.format);
        f.SetColor(v.shadow);
    }
    DrawText(look.fonts, look.canvas, f, v.caption, r, v.format);
}

bool SameStdLabelLook(const StdLabelVisual& a, const StdLabelVisual& b) {
    const TFont& f = a.font;
    const TFont& g = b.font;
    return a.width == b.width && a.height == b.height && a.caption == b.caption && f.Name() == g.Name() &&
           f.Height() == g.Height() && f.Style() == g.Style() && f.Color() == g.Color() &&
           f.Charset() == g.Charset() && a.format == b.format && a.enabled == b.enabled &&
           a.highlight == b.highlight && a.shadow == b.shadow;
}

}  // namespace dsp
