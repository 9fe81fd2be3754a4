#include "controls/look/slider_look.h"

namespace dsp {
namespace {

void DrawPart(Canvas& canvas, const SliderPictureDraw& part) {
    if (part.picture == nullptr || part.source.IsEmpty()) return;
    if (part.transparent) {
        canvas.DrawTransparent(part.at, *part.picture, part.source, part.transparentColor);
    } else {
        canvas.CopyRect(part.at, *part.picture, part.source);
    }
}

}  // namespace

void PaintSlider(LookContext& look, const SliderVisual& v) {
    Canvas& canvas = look.canvas;
    if (!v.background.Empty()) {
        canvas.Draw({0, 0}, v.background);
    } else {
        canvas.FillRect(v.client, v.fill);
    }
    DrawPart(canvas, v.ruler);
    if (v.focusRect) canvas.DrawFocusRect(v.client.Inflate(-2, -2));
    if (v.points) v.points(canvas);
    DrawPart(canvas, v.thumb);
}

}  // namespace dsp
