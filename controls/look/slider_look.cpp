#include "controls/look/slider_look.h"

#include "skin/compose/plan_draw.h"

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
    if (v.points) {
        v.points(canvas);
    } else {
        PaintSliderTicks(canvas, v.ticks);
    }
    DrawPart(canvas, v.thumb);
}

void PaintSliderTicks(Canvas& canvas, const SliderTicks& ticks) {
    const Rect& a = ticks.area;
    for (const TickMark& m : ticks.marks) {
        if (ticks.vertical) {
            canvas.DrawLine({a.left, m.coord}, {a.left + m.length, m.coord}, ticks.pen);
        } else {
            canvas.DrawLine({m.coord, a.top}, {m.coord, a.top + m.length}, ticks.pen);
        }
    }
}

Bitmap SliderSkinRuler(const Bitmap& picture, const Rect& strip, bool vertical, int edge, int length) {
    const int breadth = vertical ? strip.Width() : strip.Height();
    if (length <= 0 || breadth <= 0) return {};
    Bitmap ruler(vertical ? breadth : length, vertical ? length : breadth, SliderKeyColor(picture, strip));
    Canvas c(ruler);
    ThreePiece pieces;
    pieces.startFixed = edge;
    pieces.endFixed = edge;
    pieces.destLength = length;
    DrawPlan(c, picture, ThreePiecePlan(strip, vertical ? Axis::Vertical : Axis::Horizontal, pieces));
    return ruler;
}

Bitmap SliderBuiltInRuler(const Bitmap& picture, const std::vector<PieceSpan>& plan, bool vertical,
                          int length) {
    const int breadth = vertical ? picture.Width() : picture.Height();
    if (length <= 0 || breadth <= 0) return {};
    Bitmap ruler(vertical ? breadth : length, vertical ? length : breadth, SliderKeyColor(picture));
    Canvas c(ruler);
    for (const PieceSpan& p : plan) {
        if (vertical) {
            c.CopyRect({0, p.dest}, picture, {0, p.source, breadth, p.source + p.sourceLength});
        } else {
            c.CopyRect({p.dest, 0}, picture, {p.source, 0, p.source + p.sourceLength, breadth});
        }
    }
    return ruler;
}

Color SliderKeyColor(const Bitmap& picture) {
    return picture.Empty() ? clBlack : picture.GetPixel(0, picture.Height() - 1);
}

Color SliderKeyColor(const Bitmap& picture, const Rect& part) {
    if (part.IsEmpty() || !picture.Bounds().Contains(Point{part.left, part.bottom - 1})) return clBlack;
    return picture.GetPixel(part.left, part.bottom - 1);
}

}  // namespace dsp
