#pragma once
// What a painter draws with: the canvas of the control's off-screen bitmap
// and the program's font engine, which the control hands over from the
// application object at each paint. Painters keep no state of their own.

#include "platform/graphics/canvas.h"
#include "platform/text/font_engine.h"

namespace dsp {

struct LookContext {
    Canvas& canvas;
    FontEngine& fonts;
};

}  // namespace dsp
