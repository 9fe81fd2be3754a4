#pragma once
// The font engine the controls measure and draw their texts with. There is one
// for the program; it lives as long as the first control that asks for it.

#include "platform/text/font_engine.h"

namespace dsp {

FontEngine& ControlFontEngine();

} // namespace dsp
