#pragma once
// One glyph as the engines render it: an anti-aliased coverage mask placed
// against the pen position, and the pen's advance.

#include <cstdint>
#include <vector>

namespace dsp {

struct RenderedGlyph {
    std::vector<std::uint8_t> coverage;  // rows x width, 0..255
    int width = 0;
    int rows = 0;
    int left = 0;     // from the pen position to the first column
    int top = 0;      // from the baseline up to the first row
    int advance = 0;  // whole pixels

    friend bool operator==(const RenderedGlyph&, const RenderedGlyph&) = default;
};

}  // namespace dsp
