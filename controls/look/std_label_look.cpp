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

}  // namespace dsp
