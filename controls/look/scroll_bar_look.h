#pragma once
// The scroll bar's painters: the default look (framed parts and black
// arrows) and the parts drawn from a scroll bar section over its body.

#include "controls/look/default_look.h"
#include "controls/look/look_context.h"
#include "controls/look/skin_parts.h"
#include "controls/model/scroll_bar_geometry.h"

namespace dsp {

struct ScrollBarVisual {
    int width = 0;
    int height = 0;
    ScrollBarParts parts;
    bool vertical = true;
    bool enabled = true;
    // The thumb is fitted to its length (a page size, or a minimum page
    // size in the skin); otherwise its picture is copied as it stands.
    bool fitThumb = false;
    PartState arrow1 = PartState::Normal;
    PartState arrow2 = PartState::Normal;
    PartState thumb = PartState::Normal;
};

// Button face, then the thumb (enabled bars only) and the two arrows.
void PaintScrollBarDefault(LookContext& look, const ScrollBarVisual& v);

// Over the body already drawn: the two arrows copied from the picture, then
// (enabled bars only) the thumb with its glyph.
void PaintScrollBarSkin(LookContext& look, const ScrollBarVisual& v, const ScrollBarSkinParts& parts);

}  // namespace dsp
