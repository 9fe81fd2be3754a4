#include "controls/look/scroll_bar_look.h"

#include "controls/look/skin_piece.h"
#include "skin/data_skin_lists.h"

namespace dsp {
namespace {

// An arrow's picture: its own place in the section's rectangle, or the hot
// or pressed image elsewhere in the picture.
Rect ArrowSource(const TbsDataSkinScrollBarControl& s, const TRect& place, const TRect& hot,
                 const TRect& pressed, PartState state) {
    if (state == PartState::Pressed) return SkinRect(pressed);
    if (state == PartState::Hot) return SkinRect(hot);
    return SkinRect(place).Offset(Point{s.SkinRect.Left, s.SkinRect.Top});
}

void DrawArrowPicture(Canvas& canvas, const Bitmap& picture, const Rect& source, const Rect& dest) {
    if (source.IsEmpty() || dest.IsEmpty()) return;
    canvas.CopyRect({dest.left, dest.top}, picture, source);
}

Rect ThumbSource(const TbsDataSkinScrollBarControl& s, PartState state) {
    Rect normal = SkinRect(s.ThumbRect);
    Rect chosen = state == PartState::Pressed ? SkinRect(s.DownThumbRect)
                  : state == PartState::Hot   ? SkinRect(s.ActiveThumbRect)
                                              : normal;
    // A skin without a hot or pressed image keeps showing the thumb.
    return chosen.IsEmpty() ? normal : chosen;
}

Rect GlyphSource(const TbsDataSkinScrollBarControl& s, PartState state) {
    if (state == PartState::Pressed) return SkinRect(s.DownGlyphRect);
    if (state == PartState::Hot) return SkinRect(s.ActiveGlyphRect);
    return SkinRect(s.GlyphRect);
}

// The thumb composed in a bitmap of its own size, the glyph centred on it.
Bitmap ComposeThumb(const ScrollBarVisual& v, const TbsDataSkinScrollBarControl& s, const Bitmap& picture,
                    const Rect& source) {
    const Rect& t = v.parts.thumb;
    Bitmap thumb(t.Width(), t.Height());
    Canvas c(thumb);
    const Rect all{0, 0, t.Width(), t.Height()};
    if (v.fitThumb) {
        DrawThreePiece(c, picture, source, v.vertical ? Axis::Vertical : Axis::Horizontal, s.ThumbOffset1,
                       s.ThumbOffset2, all, s.ThumbStretchEffect ? PieceFill::Stretch : PieceFill::Repeat);
    } else {
        c.CopyRect({0, 0}, picture, source);
    }
    const Rect glyph = GlyphSource(s, v.thumb);
    const int glyphLength = v.vertical ? glyph.Height() : glyph.Width();
    const int thumbLength = v.vertical ? t.Height() : t.Width();
    if (!glyph.IsEmpty() && glyphLength < thumbLength) {
        const Point at{(t.Width() - glyph.Width()) / 2, (t.Height() - glyph.Height()) / 2};
        if (s.GlyphTransparent)
            c.DrawTransparent(at, picture, glyph, SkinColor(s.GlyphTransparentColor));
        else
            c.CopyRect(at, picture, glyph);
    }
    return thumb;
}

}  // namespace

void PaintScrollBarDefault(LookContext& look, const ScrollBarVisual& v) {
    Canvas& canvas = look.canvas;
    canvas.FillRect({0, 0, v.width, v.height}, clBtnFace);
    if (v.enabled) DrawStatePart(canvas, v.parts.thumb, v.thumb);
    const Rect a1 = v.parts.arrow1;
    const Rect a2 = v.parts.arrow2;
    DrawStatePart(canvas, a1, v.arrow1);
    DrawStatePart(canvas, a2, v.arrow2);
    DrawArrow(canvas, a1, v.vertical ? ArrowDirection::Up : ArrowDirection::Left, clBlack);
    DrawArrow(canvas, a2, v.vertical ? ArrowDirection::Down : ArrowDirection::Right, clBlack);
}

void PaintScrollBarSkin(LookContext& look, const ScrollBarVisual& v, const ScrollBarSkinParts& parts) {
    const TbsDataSkinScrollBarControl& s = parts.section;
    const Bitmap& picture = parts.picture;
    Canvas& canvas = look.canvas;
    DrawArrowPicture(canvas, picture,
                     ArrowSource(s, s.UpButtonRect, s.ActiveUpButtonRect, s.DownUpButtonRect, v.arrow1),
                     v.parts.arrow1);
    DrawArrowPicture(canvas, picture,
                     ArrowSource(s, s.DownButtonRect, s.ActiveDownButtonRect, s.DownDownButtonRect, v.arrow2),
                     v.parts.arrow2);
    if (!v.enabled || v.parts.thumb.IsEmpty()) return;
    const Rect source = ThumbSource(s, v.thumb);
    if (source.IsEmpty()) return;
    const Bitmap thumb = ComposeThumb(v, s, picture, source);
    const Point at{v.parts.thumb.left, v.parts.thumb.top};
    const Rect all{0, 0, thumb.Width(), thumb.Height()};
    if (s.ThumbTransparent)
        canvas.DrawTransparent(at, thumb, all, SkinColor(s.ThumbTransparentColor));
    else
        canvas.CopyRect(at, thumb, all);
}

}  // namespace dsp
