#pragma once
// Reads the stored layout text into its object tree.
//
// The text holds one object: "object Name: Class" opens it, one
// "Property = value" per line follows, then its child objects, and "end"
// closes it. Blank lines and lines starting with '#' are skipped. Any
// deviation is refused with an ELayoutError naming the line; the reader never
// guesses, since a half-read window would send wrong frames.

#include <string_view>

#include "main/layout/layout_tree.h"

namespace dsp {

inline constexpr int kMaxLayoutDepth = 32;

LayoutObject ReadLayout(std::string_view text);

}  // namespace dsp
