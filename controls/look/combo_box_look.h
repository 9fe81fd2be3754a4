#pragma once
// The combo box's painters: the default look (framed text area and a drop
// button by its state) and the parts a combo section draws over its body:
// the button by state, the selected item's picture and its text.

#include <string_view>

#include "controls/look/look_context.h"
#include "controls/look/skin_parts.h"
#include "platform/text/font.h"

namespace dsp {

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
    // The text font: the control's own, or with a section and UseSkinFont
    // the section's face in the control's colour.
    const TFont* font = nullptr;
    // The default look's text area colour (the control's own).
    Color textAreaColor = clWindow;
};

void PaintComboBoxDefault(LookContext& look, const ComboBoxVisual& v);

// The active body, three pieces across, while the combo is hot, open or
// focused; false when the section has none (the plain body stays).
bool PaintComboBoxActiveBody(LookContext& look, const ComboBoxVisual& v, const ComboBoxSkinParts& parts);

// Over the body: the button picture for the state, then the selected item
// with its picture, text and focus frame, in the visual's font and the
// section's colour.
void PaintComboBoxSkin(LookContext& look, const ComboBoxVisual& v, const ComboBoxSkinParts& parts);

}  // namespace dsp
