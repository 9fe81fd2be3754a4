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

namespace {

constexpr unsigned kWrapped = kDtWordBreak | kDtExpandTabs;

// The block centred both ways in `rect`.
void DrawCentered(LookContext& look, const TFont& font, const TextBlock& block, const Rect& rect) {
    const int h = block.Height();
    const int top = rect.top + (rect.Height() - h) / 2;
    DrawTextBlock(look.fonts, look.canvas, font, block, {rect.left, top, rect.right, top + h},
                  kDtCenter | kWrapped);
}

TFont Colored(const TFont& font, Color color) {
    TFont f = font;
    f.SetColor(color);
    return f;
}

}  // namespace

void PaintCenteredWrapped(LookContext& look, const TFont& font, Color color, std::string_view text,
                          Rect rect) {
    if (text.empty()) return;
    const TFont f = Colored(font, color);
    DrawCentered(look, f, LayOutTextBlock(look.fonts, f, text, rect.Width(), kWrapped), rect);
}

void CaptionLayout::Key(const TFont& font, std::string_view text) {
    const bool same = text_ == text && font_.Name() == font.Name() && font_.Height() == font.Height() &&
                      font_.Style() == font.Style() && font_.Charset() == font.Charset();
    if (same) return;
    text_ = text;
    font_ = font;
    extent_ = -1;
    width_ = -1;
}

int CaptionLayout::Extent(FontEngine& fonts, const TFont& font, std::string_view text) {
    Key(font, text);
    if (extent_ < 0) extent_ = fonts.TextExtent(font, text).cx;
    return extent_;
}

void CaptionLayout::PaintCenteredWrapped(LookContext& look, const TFont& font, Color color,
                                         std::string_view text, Rect rect) {
    if (text.empty()) return;
    Key(font, text);
    const TFont f = Colored(font, color);
    if (width_ != rect.Width()) {
        block_ = LayOutTextBlock(look.fonts, f, text, rect.Width(), kWrapped);
        width_ = rect.Width();
    }
    DrawCentered(look, f, block_, rect);
}

int TextHeight(FontEngine& fonts, const TFont& font) { return fonts.Metrics(font).height; }

}  // namespace dsp
