#include "controls/look/track_bar_look.h"

#include "controls/model/default_look_colors.h"

namespace dsp {

void PaintTrackBar(LookContext& look, const TrackBarVisual& v) {
    Canvas& c = look.canvas;
    const int w = v.width;
    const int h = v.height;
    c.FillRect({0, 0, w, h}, clBtnFace);
    c.FrameRect({0, 0, w, h}, clBtnShadow);
    Rect groove = v.vertical ? Rect{w / 2 - 1, 4, w / 2 + 1, h - 4} : Rect{4, h / 2 - 1, w - 4, h / 2 + 1};
    c.Draw3DRect(groove, clBtnShadow, clBtnHighlight);
    if (v.pressed) {
        c.FillRect(v.thumb, kDefaultLookPressedFill);
        c.FrameRect(v.thumb, kDefaultLookActiveFrame);
    } else if (v.focused) {
        c.FillRect(v.thumb, kDefaultLookHotFill);
        c.FrameRect(v.thumb, kDefaultLookActiveFrame);
    } else {
        c.FillRect(v.thumb, clBtnFace);
        c.FrameRect(v.thumb, clBtnShadow);
    }
}

}  // namespace dsp
