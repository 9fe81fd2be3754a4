#pragma once
// The drop-down list's look: its default frame, and one row drawn into a
// bitmap of the row's size, in the default look (highlight colours for the
// selected row) or the skinned look from a list section's item pictures.

#include <string_view>

#include "controls/look/look_context.h"
#include "controls/look/skin_parts.h"
#include "platform/text/font.h"

namespace dsp {

struct ListRowVisual {
    std::string_view text;
    int width = 0;
    int height = 0;
    bool selected = false;        // the current row
    bool focused = false;         // the row with the list's focus
    const TFont* font = nullptr;  // with the default look's text colour
};

// The list without a skin: button face framed in button shadow.
void PaintListBoxDefaultFrame(LookContext& look, const Rect& all);

// Where a row's text goes: one line from 2 pixels inside `rect`, centred
// vertically, clipped to `rect`.
void PaintRowText(LookContext& look, const TFont& font, Color color, std::string_view text, const Rect& rect);

// Window colour, or the highlight colours for the selected row; the text
// 4 pixels from the left edge.
void PaintListRowDefault(LookContext& look, const ListRowVisual& v);

// The row picture by state (three pieces with the item offsets as fixed
// ends), then the text in the item text rectangle widened with the row, in
// the row's font with the section's colour for the state.
void PaintListRowSkin(LookContext& look, const ListRowVisual& v, const ListBoxSkinParts& parts);

// Rows that keep their own height: the item picture (focused, current or
// plain) fitted to the row by nine pieces anchored at the item text
// rectangle shrunk by a pixel, every border and the centre stretched; the
// text rectangle grows with the row both ways.
void PaintListRowSkinFitted(LookContext& look, const ListRowVisual& v, const ListBoxSkinParts& parts);

}  // namespace dsp
