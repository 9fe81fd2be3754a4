#include "controls/look/track_bar_look.h"

#include "controls/look/default_look.h"

namespace dsp {

void PaintTrackBar(LookContext& look, const TrackBarVisual& v) {
    Canvas& c = look.canvas;
    const int w = v.width;
    const int h = v.height;
    c.FillRect({0, 0, w, h}, clBtnFace);
    c.FrameRect({0, 0, w, h}, clBtnShadow);
    Rect groove = v.vertical ? Rect{w / 2 - 1, 4, w / 2 + 1, h - 4} : Rect{4, h / 2 - 1, w - 4, h / 2 + 1};
    c.Draw3DRect(groove, clBtnShadow, clBtnHighlight);
    DrawStatePart(c, v.thumb,
                  v.pressed   ? PartState::Pressed
                  : v.focused ? PartState::Hot
                              : PartState::Normal);
}

}  // namespace dsp
