#include "controls/text_paint.h"

#include "controls/control_fonts.h"
#include "platform/text/draw_text.h"

namespace dsp {

void PaintText(Canvas& canvas, const TFont& font, Color color, std::string_view text, Rect rect, unsigned format) {
    if (text.empty()) return;
    TFont f = font;
    f.SetColor(color);
    DrawText(ControlFontEngine(), canvas, f, text, rect, format);
}

void PaintCenteredWrapped(Canvas& canvas, const TFont& font, Color color, std::string_view text, Rect rect) {
    if (text.empty()) return;
    TFont f = font;
    f.SetColor(color);
    Rect measure = rect;
    DrawText(ControlFontEngine(), canvas, f, text, measure, kDtCalcRect | kDtWordBreak | kDtExpandTabs);
    int h = measure.Height();
    Rect place{rect.left, rect.top + (rect.Height() - h) / 2, rect.right, rect.top + (rect.Height() - h) / 2 + h};
    DrawText(ControlFontEngine(), canvas, f, text, place, kDtCenter | kDtWordBreak | kDtExpandTabs);
}

int TextHeight(const TFont& font) { return ControlFontEngine().Metrics(font).height; }

} // namespace dsp
