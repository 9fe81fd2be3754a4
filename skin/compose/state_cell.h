#pragma once
// State cells: a picture strip holding several equal images side by side
// (normal, pressed, disabled, or animation frames), and picking one of them.

#include "platform/graphics/geometry.h"

namespace dsp {

enum class CellAxis { Across, Down };

// Cell `index` of `count` equal cells of `strip` (the cell length is the
// strip's length divided by `count`, truncated). The index is clamped to the
// cells; a count below 1 counts as 1.
Rect StateCell(const Rect& strip, int count, int index, CellAxis axis = CellAxis::Across);

}  // namespace dsp
