#include "controls/look/spin_edit_look.h"

#include "skin/data_skin_edits.h"

namespace dsp {
namespace {

// The picture for a button's state; empty when it has none.
Rect ButtonSource(const TbsDataSkinSpinEditControl& s, int i, PartState state) {
    const TRect& hot = i == 0 ? s.ActiveUpButtonRect : s.ActiveDownButtonRect;
    const TRect& pressed = i == 0 ? s.DownUpButtonRect : s.DownDownButtonRect;
    if (state == PartState::Normal) return {};
    if (state == PartState::Pressed && !SkinRectEmpty(pressed)) return SkinRect(pressed);
    return SkinRect(hot);
}

}  // namespace

void PaintSpinEditDefault(LookContext& look, const SpinEditVisual& v) {
    Canvas& c = look.canvas;
    const Rect all{0, 0, v.width, v.height};
    c.FillRect(all, v.color);
    c.FrameRect(all, clBtnShadow);
    c.FrameRect({1, 1, all.right - 1, all.bottom - 1}, clBtnFace);
    for (std::size_t i = 0; i < 2; ++i) {
        const Rect& r = v.buttons[i];
        if (v.states[i] == PartState::Normal) {
            c.FillRect(r, clBtnFace);
        } else {
            DrawStatePart(c, r, v.states[i]);
        }
        DrawSpinArrow(c, r, i == 0, clBlack);
    }
}

bool PaintSpinEditActiveBody(LookContext& look, const SpinEditVisual& v, const SpinEditSkinParts& parts) {
    const TbsDataSkinSpinEditControl& s = parts.section;
    if (!v.hot || SkinRectEmpty(s.ActiveSkinRect)) return false;
    const SkinBody across{parts.body.anchors, parts.body.stretch, SkinResizeMode::Width};
    DrawSkinBody(look.canvas, parts.picture, across, SkinRect(s.ActiveSkinRect), v.width, v.height);
    return true;
}

void PaintSpinEditSkinButtons(LookContext& look, const SpinEditVisual& v, const SpinEditSkinParts& parts) {
    for (std::size_t i = 0; i < 2; ++i) {
        const Rect source = ButtonSource(parts.section, static_cast<int>(i), v.states[i]);
        if (source.IsEmpty()) continue;
        look.canvas.StretchDraw(v.buttons[i], parts.picture, source);
    }
}

}  // namespace dsp
