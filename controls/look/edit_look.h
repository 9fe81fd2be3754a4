#pragma once
// The edit boxes' look: the text on one line with the caret while focused,
// and the plain box around it (fill, two-line frame, drop button) when no
// skin draws one.

#include <string_view>

#include "controls/look/look_context.h"
#include "platform/text/font.h"
#include "skin/skin_types.h"  // TAlignment

namespace dsp {

struct EditTextVisual {
    Rect rect;  // the text area
    std::string_view text;
    TFont font;  // with the colour to draw the text and the caret in
    bool enabled = true;
    TAlignment alignment = TAlignment::taLeftJustify;
    bool caret = false;  // the box has the focus
    int caretPos = 0;    // byte offset into `text`
};

struct EditVisual {
    int width = 0;
    int height = 0;
    Color color = clWindow;
    bool frame = true;
    Rect button;  // the drop button; empty for none
    bool buttonPressed = false;
    EditTextVisual text;
};

// A disabled box shows its text aligned by its alignment; an enabled one
// shows it from the left, as it is typed, with the caret.
void PaintEditText(LookContext& look, const EditTextVisual& v);

void PaintEditDefault(LookContext& look, const EditVisual& v);

}  // namespace dsp
