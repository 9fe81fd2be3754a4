#pragma once
// DrawText: formatted text in a rectangle, with the behaviours of the
// platform's call that the controls use (see TextFormat). The text is drawn
// in the font's colour, with a transparent background unless `background` is
// given.

#include <optional>
#include <string_view>

#include "platform/text/font_engine.h"
#include "platform/text/text_format.h"
#include "platform/text/text_layout.h"

namespace dsp {

// Returns the height of the text. With kDtCalcRect nothing is drawn; the
// rectangle's right and bottom edges are set to the text's extent.
int DrawText(FontEngine& engine, Canvas& canvas, const TFont& font, std::string_view text, Rect& rect,
             unsigned format, std::optional<Color> background = std::nullopt);

// DrawText in two halves, for a text drawn again and again in the same
// rectangle (a caption repainted at each step of an animation): the lines
// laid out once, then drawn from the layout as often as needed.
struct TextBlock {
    std::vector<TextLine> lines;
    int lineHeight = 0;
    int Height() const { return lineHeight * int(lines.size()); }
    int Width() const;  // of the widest line
};
TextBlock LayOutTextBlock(FontEngine& engine, const TFont& font, std::string_view text, int width,
                          unsigned format);
// Draws a block laid out for `rect`'s width and the same format.
void DrawTextBlock(FontEngine& engine, Canvas& canvas, const TFont& font, const TextBlock& block,
                   const Rect& rect, unsigned format, std::optional<Color> background = std::nullopt);

}  // namespace dsp
