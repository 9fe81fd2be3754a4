#pragma once
// What the skinned looks share: a skin colour or rectangle in the drawing
// layer's terms, a section's font, and the body of one of a section's
// pictures laid over the control's size by the section's anchors.

#include "platform/graphics/canvas.h"
#include "platform/text/font.h"
#include "skin/compose/skin_body.h"
#include "skin/skin_types.h"

namespace dsp {

// Skin colours and ours share one layout (0x00BBGGRR, 0xFF in the top byte
// for a system colour by index).
inline Color SkinColor(TColor c) { return static_cast<Color>(static_cast<std::uint32_t>(c)); }
inline Rect SkinRect(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
inline bool SkinRectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

// The section's font name, height, style and colour.
template <class Section>
TFont SectionFont(const Section& s) {
    return TFont(s.FontName, s.FontHeight, s.FontStyle, SkinColor(s.FontColor));
}

// `font` with the section's name, height and style; its own colour stays.
template <class Section>
TFont WithSectionFace(TFont font, const Section& s) {
    font.SetName(s.FontName);
    font.SetHeight(s.FontHeight);
    font.SetStyle(s.FontStyle);
    return font;
}

// The text-drawing flag for a skin alignment.
unsigned SkinAlignFlags(TAlignment a);

// The geometry the control has for its section, with another picture
// rectangle of the same size (a button's active or down picture).
struct SkinBody {
    SkinAnchors anchors;
    SkinStretch stretch;
    SkinResizeMode mode = SkinResizeMode::None;
};

// Draws `source` (a rectangle of `picture`) fitted to width x height by the
// section's pieces, with its top-left corner at `at`.
void DrawSkinBody(Canvas& canvas, const Bitmap& picture, const SkinBody& body, const Rect& source, int width,
                  int height, Point at = {0, 0});

}  // namespace dsp
