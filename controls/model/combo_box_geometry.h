#pragma once
// Where a combo box's drop button and text area lie. Without a skin the
// button is a 17-pixel strip inside the right edge; with one, the section's
// button rectangle moves with the width when it lies right of the right
// anchor column, and the client rectangle widens by as much.

#include "platform/graphics/geometry.h"

namespace dsp {

struct ComboBoxParts {
    Rect button;
    Rect textArea;
};

struct ComboBoxSkinGeometry {
    int sectionWidth = 0;  // width of the section's rectangle
    int rightAnchorX = 0;  // x of its right-top anchor
    Rect buttonRect;       // relative to the section's rectangle
    Rect clientRect;
};

ComboBoxParts DefaultComboBoxParts(int width, int height);
ComboBoxParts SkinnedComboBoxParts(int width, const ComboBoxSkinGeometry& skin);

}  // namespace dsp
