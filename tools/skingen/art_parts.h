#pragma once
// Shared pieces of our artwork: keys (raised buttons), recessed display
// fields, bevelled frames and small glyphs, in one theme's colours.

#include "platform/graphics/bitmap.h"
#include "tools/skingen/theme.h"

namespace dsp::skingen {

enum class KeyLook { Normal, Hot, Down, Focused, Disabled, Inactive };

// A raised key filling `r` (rounded, outlined, lit from above). The corners
// outside the rounding show the chassis.
// With `fill` false the corners keep what lies under them.
void PaintKey(Bitmap& bmp, const Rect& r, const Theme& t, KeyLook look, double radius = 3.0, bool fill = true);
// The indicator strip of a selector key, across `r`.
void PaintLedStrip(Bitmap& bmp, const Rect& r, const Theme& t, KeyLook look);
// A recessed, backlit display field with its rim; `hot` lights the rim.
void PaintField(Bitmap& bmp, const Rect& r, const Theme& t, bool hot);
// A raised frame (outline, highlight, shadow) round a flat chassis face.
void PaintRaisedFrame(Bitmap& bmp, const Rect& r, const Theme& t);
// A sunken cell (shadow top-left, highlight bottom-right).
void PaintSunken(Bitmap& bmp, const Rect& r, const Theme& t);

enum class Arrow { Up, Down, Left, Right };
// A small filled triangle centred in `r`.
void PaintArrow(Bitmap& bmp, const Rect& r, Arrow dir, Rgb c);

// Colour of text/glyphs on a key in a given look.
Rgb GlyphColor(const Theme& t, KeyLook look);

}  // namespace dsp::skingen
