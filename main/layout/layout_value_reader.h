#pragma once
// Reads the value part of one "Name = value" line of the stored layout.

#include <string_view>

#include "main/layout/layout_tree.h"

namespace dsp {

// The whole of `text` must be one value; anything left over is an error.
// Throws ELayoutError naming `line`.
LayoutValue ReadLayoutValue(std::string_view text, int line);

// Names of objects, classes and (dotted) properties.
bool IsLayoutIdentifier(std::string_view text, bool allowDots);

}  // namespace dsp
