#pragma once
// Captions of the default look: one call that draws text in a rectangle with
// the control font, through the program's font engine.

#include <string_view>

#include "platform/graphics/canvas.h"
#include "platform/text/font.h"
#include "platform/text/text_format.h"

namespace dsp {

// Draws `text` in `rect` (format flags of DrawText) in `color`.
void PaintText(Canvas& canvas, const TFont& font, Color color, std::string_view text, Rect rect, unsigned format);
// Word-wrapped text centred both ways in `rect` (the buttons' captions).
void PaintCenteredWrapped(Canvas& canvas, const TFont& font, Color color, std::string_view text, Rect rect);
int TextHeight(const TFont& font);

} // namespace dsp
