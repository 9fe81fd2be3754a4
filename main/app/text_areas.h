#pragma once
// Where a window shows text, in window coordinates: the frame's caption
// text, the caption strip of each captioned panel, and the whole of every
// other visible control that shows a caption or text. Builds whose fonts
// differ (FreeType here, GDI on Windows) draw different pixels there and
// nowhere else, so pictures of the window from two builds are compared
// outside these areas.

#include <string>
#include <vector>

#include "platform/graphics/geometry.h"

namespace dsp {

class TForm;

struct TextArea {
    std::string name;
    Rect rect;
};

std::vector<TextArea> TextAreas(TForm& form);

}  // namespace dsp
