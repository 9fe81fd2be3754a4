#include "controls/look/list_row_look.h"

#include "controls/look/skin_piece.h"
#include "controls/look/text_paint.h"
#include "skin/compose/plan_draw.h"
#include "skin/compose/skin_body.h"
#include "skin/data_skin_lists.h"

namespace dsp {

void PaintListBoxDefaultFrame(LookContext& look, const Rect& all) {
    look.canvas.FillRect(all, clBtnFace);
    look.canvas.FrameRect(all, clBtnShadow);
}

void PaintRowText(LookContext& look, const TFont& font, Color color, std::string_view text,
                  const Rect& rect) {
    const int h = TextHeight(look.fonts, font);
    const int top = rect.top + rect.Height() / 2 - h / 2;
    ClipScope clip(look.canvas, rect);
    PaintText(look, font, color, text, {rect.left + 2, top, rect.right, top + h},
              kDtLeft | kDtSingleLine | kDtNoPrefix | kDtNoClip);
}

void PaintListRowDefault(LookContext& look, const ListRowVisual& v) {
    const TFont& font = *v.font;
    const Rect row{0, 0, v.width, v.height};
    look.canvas.FillRect(row, v.selected ? clHighlight : clWindow);
    PaintRowText(look, font, v.selected ? clHighlightText : font.Color(), v.text,
                 {row.left + 2, row.top, row.right - 2, row.bottom});
    if (v.focused) look.canvas.DrawFocusRect(row);
}

void PaintListRowSkin(LookContext& look, const ListRowVisual& v, const ListBoxSkinParts& parts) {
    const auto& s = parts.section;
    const Bitmap& picture = parts.picture;
    Canvas& canvas = look.canvas;
    const Rect row{0, 0, v.width, v.height};
    // A row that is neither current nor focused always repeats its middle.
    Rect source = SkinRect(s.ItemRect);
    PieceFill fill = PieceFill::Repeat;
    Color color = SkinColor(s.FontColor);
    if (v.selected) {
        source = SkinRect(v.focused ? s.FocusItemRect : s.ActiveItemRect);
        fill = s.StretchEffect ? PieceFill::Stretch : PieceFill::Repeat;
        color = SkinColor(v.focused ? s.FocusFontColor : s.ActiveFontColor);
    }
    DrawThreePiece(canvas, picture, source, Axis::Horizontal, s.ItemLeftOffset, s.ItemRightOffset, row, fill);
    if (v.focused && (!v.selected || s.ShowFocus)) canvas.DrawFocusRect(row);
    Rect text = SkinRect(s.ItemTextRect);
    text.right += v.width - s.ItemRect.Width();
    PaintRowText(look, *v.font, color, v.text, text);
}

void PaintListRowSkinFitted(LookContext& look, const ListRowVisual& v, const ListBoxSkinParts& parts) {
    const auto& s = parts.section;
    const Bitmap& picture = parts.picture;
    Canvas& canvas = look.canvas;
    const TRect& item = v.focused ? s.FocusItemRect : v.selected ? s.ActiveItemRect : s.ItemRect;
    const TColor color = v.focused ? s.FocusFontColor : v.selected ? s.ActiveFontColor : s.FontColor;
    const Rect inner = SkinRect(s.ItemTextRect);
    const Rect client{inner.left + 1, inner.top + 1, inner.right - 1, inner.bottom - 1};
    const SkinAnchors anchors{SkinRect(item),
                              client.TopLeft(),
                              {client.right, client.top},
                              {client.left, client.bottom},
                              {client.right, client.bottom},
                              client};
    const SkinStretch stretch{true, true, true, true, true, TbsStretchType::stFull};
    const NinePiece nine =
        NinePiecePlan(anchors, stretch, CalcSkinSize(anchors, SkinResizeMode::Both, v.width, v.height));
    DrawPlan(canvas, picture, nine.border);
    DrawPlan(canvas, picture, nine.client);
    const Rect row{0, 0, v.width, v.height};
    if (v.focused && s.ShowFocus) canvas.DrawFocusRect(row);
    Rect text = inner;
    text.right += v.width - s.ItemRect.Width();
    text.bottom += v.height - s.ItemRect.Height();
    PaintRowText(look, *v.font, SkinColor(color), v.text, text);
}

}  // namespace dsp
