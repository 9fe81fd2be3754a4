#pragma once
// The slider's look, skinned or not: a background (a fill or the parent's
// picture), the prepared ruler, the focus rectangle, the tick marks and one
// state of the thumb. The control decides every colour and picture.

#include <functional>
#include <vector>

#include "controls/look/look_context.h"
#include "controls/model/slider_geometry.h"
#include "skin/compose/piece_plan.h"

namespace dsp {

struct SliderPictureDraw {
    const Bitmap* picture = nullptr;  // nothing is drawn without one
    Rect source;
    Point at;
    bool transparent = true;
    Color transparentColor = 0;
};

struct SliderTicks {
    std::vector<TickMark> marks;
    bool vertical = false;
    Rect area;  // the tick area; marks start at its left (vertical) or top edge
    Color pen = clWindowText;
};

struct SliderVisual {
    Rect client;
    Bitmap background;  // the parent's picture; when empty, `fill`
    Color fill = 0;
    SliderPictureDraw ruler;
    bool focusRect = false;
    // The tick marks: the program's handler when it has one, else these.
    std::function<void(Canvas&)> points;
    SliderTicks ticks;
    SliderPictureDraw thumb;
};

void PaintSlider(LookContext& look, const SliderVisual& v);

// Lines across the bar from the tick area's edge, each `length` long.
void PaintSliderTicks(Canvas& canvas, const SliderTicks& ticks);

// The ruler fitted to `length` along the bar. From a skin's `strip`: the
// `edge` pixels at both ends copied, the middle repeated. From the built-in
// picture: laid out by `plan`, spans along the bar. The rest is filled with
// the picture's key colour (its bottom-left pixel).
Bitmap SliderSkinRuler(const Bitmap& picture, const Rect& strip, bool vertical, int edge, int length);
Bitmap SliderBuiltInRuler(const Bitmap& picture, const std::vector<PieceSpan>& plan, bool vertical,
                          int length);

// The bottom-left pixel of a picture, or of a part of it: the colour it is
// keyed by (black for none).
Color SliderKeyColor(const Bitmap& picture);
Color SliderKeyColor(const Bitmap& picture, const Rect& part);

}  // namespace dsp
