#pragma once
// Captions of the looks: text drawn in a rectangle with a control's font,
// through the font engine of the look context.

#include <string_view>

#include "controls/look/look_context.h"
#include "platform/text/font.h"
#include "platform/text/text_format.h"

namespace dsp {

// Draws `text` in `rect` (format flags of DrawText) in `color`.
void PaintText(LookContext& look, const TFont& font, Color color, std::string_view text, Rect rect,
               unsigned format);
// Word-wrapped text centred both ways in `rect` (the buttons' captions).
void PaintCenteredWrapped(LookContext& look, const TFont& font, Color color, std::string_view text,
                          Rect rect);
// The height of a line of `font`.
int TextHeight(FontEngine& fonts, const TFont& font);

}  // namespace dsp
