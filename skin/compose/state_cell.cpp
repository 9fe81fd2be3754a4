#include "skin/compose/state_cell.h"

#include <algorithm>

namespace dsp {

Rect StateCell(const Rect& strip, int count, int index, CellAxis axis) {
    count = std::max(count, 1);
    index = std::clamp(index, 0, count - 1);
    if (axis == CellAxis::Across) {
        const int w = strip.Width() / count;
        return Rect::FromOriginSize(strip.left + index * w, strip.top, w, strip.Height());
    }
    const int h = strip.Height() / count;
    return Rect::FromOriginSize(strip.left, strip.top + index * h, strip.Width(), h);
}

}  // namespace dsp
