#pragma once
// Tiny pictures written as text: every character is one pixel of its own
// colour, so a composed picture reads back as text and is compared exactly.

#include <string>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "skin/compose/piece_plan.h"

namespace dsp::testkit {

using CharRows = std::vector<std::string>;

// '.' is white; every other character a colour of its own, never black or white.
Color CharColor(char c);
Bitmap CharPicture(const CharRows& rows);
// '?' for a colour no character has.
CharRows PictureChars(const Bitmap& picture);
// `plan` drawn from `picture` on a white width x height picture, read back.
CharRows Compose(const Bitmap& picture, const PiecePlan& plan, int width, int height);

}  // namespace dsp::testkit
