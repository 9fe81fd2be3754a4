#pragma once
// The combo box's painters: the default look (framed text area and a drop
// button by its state) and the parts a combo section draws over its body:
// the button by state, the selected item's picture and its text.

#include <string_view>

#include "controls/look/look_context.h"
#include "platform/text/font.h"

namespace dsp {

class TbsDataSkinComboBox;

struct ComboBoxVisual {
    int width = 0;
    int height = 0;
    Rect button;
    Rect textArea;
    std::string_view text;
    bool enabled = true;
    bool focused = false;
    bool hot = false;      // the pointer is over the control
    bool dropped = false;  // the list is open
    bool buttonHot = false;
    bool buttonPressed = false;
    // The default look's text font and text area colour (the control's own).
    const TFont* font = nullptr;
    Color textAreaColor = clWindow;
};

void PaintComboBoxDefault(LookContext& look, const ComboBoxVisual& v);

// The active body, three pieces across, while the combo is hot, open or
// focused; false when the section has none (the plain body stays).
bool PaintComboBoxActiveBody(LookContext& look, const ComboBoxVisual& v, const TbsDataSkinComboBox& s,
                             const Bitmap& picture);

// Over the body: the button picture for the state, then the selected item
// with its picture, text and focus frame. `font` is the section's font or
// the control's own; the colour comes from the section.
void PaintComboBoxSkin(LookContext& look, const ComboBoxVisual& v, const TbsDataSkinComboBox& s,
                       const Bitmap& picture, const TFont& font);

}  // namespace dsp
