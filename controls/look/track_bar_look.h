#pragma once
// The track bar's default look: a framed face, a sunken groove along the
// middle and the thumb, highlighted while dragged or focused.

#include "controls/look/look_context.h"

namespace dsp {

struct TrackBarVisual {
    int width = 0;
    int height = 0;
    bool vertical = false;
    Rect thumb;
    bool pressed = false;  // the thumb is being dragged
    bool focused = false;  // only a bar that takes the focus shows it
};

void PaintTrackBar(LookContext& look, const TrackBarVisual& v);

}  // namespace dsp
