#pragma once
// DrawText: formatted text in a rectangle, with the behaviours of the
// platform's call that the controls use (see TextFormat). The text is drawn
// in the font's colour, with a transparent background unless `background` is
// given.

#include <optional>
#include <string_view>

#include "platform/text/font_engine.h"
#include "platform/text/text_format.h"

namespace dsp {

// Returns the height of the text. With kDtCalcRect nothing is drawn; the
// rectangle's right and bottom edges are set to the text's extent.
int DrawText(FontEngine& engine, Canvas& canvas, const TFont& font, std::string_view text, Rect& rect,
             unsigned format, std::optional<Color> background = std::nullopt);

}  // namespace dsp
