#pragma once
// The spin edit's look around its inner box: without a skin a framed box
// with two arrow buttons framed by their state; with one the section's body
// (the active one while hot) and the hot or pressed button pictures.

#include <array>

#include "controls/look/default_look.h"
#include "controls/look/look_context.h"
#include "controls/look/skin_parts.h"

namespace dsp {

struct SpinEditVisual {
    int width = 0;
    int height = 0;
    Color color = clWindow;       // the default look's box
    std::array<Rect, 2> buttons;  // up, down
    std::array<PartState, 2> states{PartState::Normal, PartState::Normal};
    bool hot = false;  // the pointer is over the control or its box, or the box has the focus
};

void PaintSpinEditDefault(LookContext& look, const SpinEditVisual& v);

// The active body across the control while hot; false when not hot or the
// section has none (the plain body stays).
bool PaintSpinEditActiveBody(LookContext& look, const SpinEditVisual& v, const SpinEditSkinParts& parts);

// Over the body: each hot button's picture (the pressed one while pressed,
// when the section has it) stretched to the button.
void PaintSpinEditSkinButtons(LookContext& look, const SpinEditVisual& v, const SpinEditSkinParts& parts);

}  // namespace dsp
