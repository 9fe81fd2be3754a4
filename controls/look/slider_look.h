#pragma once
// The slider's look, skinned or not: a background (a fill or the parent's
// picture), the prepared ruler, the focus rectangle, the tick marks and one
// state of the thumb. The control decides every colour and picture.

#include <functional>

#include "controls/look/look_context.h"

namespace dsp {

struct SliderPictureDraw {
    const Bitmap* picture = nullptr;  // nothing is drawn without one
    Rect source;
    Point at;
    bool transparent = true;
    Color transparentColor = 0;
};

struct SliderVisual {
    Rect client;
    Bitmap background;  // the parent's picture; when empty, `fill`
    Color fill = 0;
    SliderPictureDraw ruler;
    bool focusRect = false;
    std::function<void(Canvas&)> points;  // draws the tick marks; empty for none
    SliderPictureDraw thumb;
};

void PaintSlider(LookContext& look, const SliderVisual& v);

}  // namespace dsp
