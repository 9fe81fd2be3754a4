#pragma once
// The font engine the controls measure and draw their texts with: the
// application object's, handed to painters in the paint call.

#include "platform/text/font_engine.h"

namespace dsp {

// Raises std::logic_error when no application object exists.
FontEngine& ControlFontEngine();

}  // namespace dsp
