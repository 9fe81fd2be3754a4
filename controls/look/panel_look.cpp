#include "controls/look/panel_look.h"

#include "controls/look/default_look.h"
#include "controls/look/text_paint.h"
#include "skin/compose/plan_draw.h"

namespace dsp {
namespace {

// A sunken white box with a three-pixel-thick tick when checked; returns its
// rectangle.
Rect PaintCheckBox(Canvas& c, const Rect& bar, bool checked) {
    const Rect box = Rect::FromOriginSize(5, bar.top + (bar.Height() - 14) / 2, 14, 14);
    c.FillRect(box, clWindow);
    c.Draw3DRect(box, clBtnShadow, clBtnHighlight);
    if (!checked) return box;
    for (int i = 0; i < 3; ++i) {
        c.DrawLine({box.left + 3, box.top + 6 + i}, {box.left + 6, box.top + 9 + i}, clWindowText);
        c.DrawLine({box.left + 5, box.top + 8 + i}, {box.left + 11, box.top + 2 + i}, clWindowText);
    }
    return box;
}

void PaintCaptionBar(LookContext& look, const PanelVisual& v) {
    Canvas& c = look.canvas;
    const Rect bar = v.captionBar;
    c.Draw3DRect(bar, clBtnHighlight, clBtnShadow);
    c.Draw3DRect(bar.Inflate(-1, -1), clBtnHighlight, clBtnShadow);
    Rect text{bar.left + 2, bar.top, bar.right - 2, bar.bottom};
    if (v.checkedMode) text.left = PaintCheckBox(c, bar, v.checked).right + 6;
    if (v.rollUpMode) text.right -= 10;
    PaintText(look, v.font, v.font.Color(), v.caption, text, v.format);
}

}  // namespace

void PaintPanelDefault(LookContext& look, const PanelVisual& v) {
    DrawBorderStyleBox(look.canvas, {0, 0, v.width, v.height}, v.border);
    if (v.captionMode) PaintCaptionBar(look, v);
}

void PaintPanelTiledBody(LookContext& look, Size size, const PanelSkinParts& parts) {
    const SkinAnchors& a = parts.body.anchors;
    const Rect client = a.clientRect.Offset(a.skinRect.left, a.skinRect.top);
    DrawPlan(look.canvas, parts.picture, AreaPlan(client, {0, 0, size.cx, size.cy}, AreaFill::Tile));
}

void PaintPanelSkinCaption(LookContext& look, const PanelSkinCaptionVisual& v) {
    if (v.area.IsEmpty()) return;
    Rect r = v.area;
    if (v.picture != nullptr && !v.mark.IsEmpty()) {
        look.canvas.CopyRect({r.left, r.top + (r.Height() - v.mark.Height()) / 2}, *v.picture, v.mark);
        r.left += v.mark.Width() + 2;
    }
    PaintText(look, v.font, v.font.Color(), v.caption, r, v.format);
}

}  // namespace dsp
