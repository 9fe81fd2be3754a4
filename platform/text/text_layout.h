#pragma once
// Breaking text into the lines DrawText draws: accelerator marks ("&x"
// underlines x, "&&" is one "&"), line breaks, word wrap (at spaces, and
// between Chinese characters, which need no spaces), tab stops and the two
// ellipsis forms.

#include <string_view>
#include <vector>

#include "platform/text/font_engine.h"
#include "platform/text/text_format.h"

namespace dsp {

struct TextLine {
    std::u32string text;
    std::vector<int> x;        // offset of each character from the line start
    std::vector<bool> marked;  // accelerator characters to underline
    int width = 0;
};

// Lays out `text` (already decoded) for a rectangle `width` pixels wide.
std::vector<TextLine> LayoutText(FontEngine& engine, const TFont& font, std::u32string_view text, int width,
                                 unsigned format);

}  // namespace dsp
