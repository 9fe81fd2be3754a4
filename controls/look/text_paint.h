#pragma once
// Captions of the looks: text drawn in a rectangle with a control's font,
// through the font engine of the look context.

#include <string>
#include <string_view>

#include "controls/look/look_context.h"
#include "platform/text/draw_text.h"
#include "platform/text/font.h"
#include "platform/text/text_format.h"

namespace dsp {

// Draws `text` in `rect` (format flags of DrawText) in `color`.
void PaintText(LookContext& look, const TFont& font, Color color, std::string_view text, Rect rect,
               unsigned format);
// Word-wrapped text centred both ways in `rect` (the buttons' captions).
void PaintCenteredWrapped(LookContext& look, const TFont& font, Color color, std::string_view text,
                          Rect rect);
// A caption measured and laid out once for its text, its font (the colour
// aside) and its width, and drawn from that layout until one of them changes:
// a button repainted at each step of its hover morph lays its caption out
// once. Kept by the control; the painter only asks it.
class CaptionLayout {
  public:
    // The text's width on one line.
    int Extent(FontEngine& fonts, const TFont& font, std::string_view text);
    // PaintCenteredWrapped from the kept layout.
    void PaintCenteredWrapped(LookContext& look, const TFont& font, Color color, std::string_view text,
                              Rect rect);

  private:
    // Forgets what was kept unless it is for this text and font.
    void Key(const TFont& font, std::string_view text);

    std::string text_;
    TFont font_;
    int extent_ = -1;  // not measured yet
    int width_ = -1;   // of the kept block; -1: none kept
    TextBlock block_;
};

// The height of a line of `font`.
int TextHeight(FontEngine& fonts, const TFont& font);

}  // namespace dsp
