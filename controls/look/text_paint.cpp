#include "controls/look/text_paint.h"

#include "platform/text/draw_text.h"

namespace dsp {

void PaintText(LookContext& look, const TFont& font, Color color, std::string_view text, Rect rect,
               unsigned format) {
    if (text.empty()) return;
    TFont f = font;
    f.SetColor(color);
    DrawText(look.fonts, look.canvas, f, text, rect, format);
}

void PaintCenteredWrapped(LookContext& look, const TFont& font, Color color, std::string_view text,
                          Rect rect) {
    if (text.empty()) return;
    TFont f = font;
    f.SetColor(color);
    Rect measure = rect;
    DrawText(look.fonts, look.canvas, f, text, measure, kDtCalcRect | kDtWordBreak | kDtExpandTabs);
    int h = measure.Height();
    Rect place{rect.left, rect.top + (rect.Height() - h) / 2, rect.right,
               rect.top + (rect.Height() - h) / 2 + h};
    DrawText(look.fonts, look.canvas, f, text, place, kDtCenter | kDtWordBreak | kDtExpandTabs);
}

int TextHeight(FontEngine& fonts, const TFont& font) { return fonts.Metrics(font).height; }

}  // namespace dsp
