#include "controls/look/track_bar_skin_look.h"

#include "skin/compose/plan_draw.h"

namespace dsp {

Rect TrackBarActiveSpan(const TrackBarSkinVisual& v) {
    if (v.vertical) return {0, v.thumb.top + v.thumb.Height() / 2, v.width, v.height};
    int centre = v.thumb.left + v.thumb.Width() / 2;
    if (centre <= 0) return {};
    return {0, 0, centre, v.height};
}

void PaintTrackBarSkin(LookContext& look, const TrackBarSkinVisual& v) {
    Canvas& canvas = look.canvas;
    if (v.picture == nullptr) return;
    DrawPlan(canvas, *v.picture, v.body);
    const Rect span = TrackBarActiveSpan(v);
    if (!v.activeBody.empty() && !span.IsEmpty()) {
        ClipScope clip(canvas, span);
        DrawPlan(canvas, *v.picture, v.activeBody);
    }
    if (v.thumbSource.IsEmpty()) return;
    if (v.thumbTransparent) {
        canvas.DrawTransparent(v.thumb.TopLeft(), *v.picture, v.thumbSource, v.thumbTransparentColor);
    } else {
        canvas.CopyRect(v.thumb.TopLeft(), *v.picture, v.thumbSource);
    }
}

}  // namespace dsp
