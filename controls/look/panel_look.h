#pragma once
// The panels' look (panel, group box, status bar). Without a skin: a box in
// the border style and, in caption mode, a raised caption bar with an
// optional check box and the caption. With one: the section's body (or its
// client part tiled over a borderless panel) and the caption in the
// section's caption rectangle after the check mark picture.

#include <string_view>

#include "controls/look/look_context.h"
#include "controls/look/skin_parts.h"
#include "controls/model/panel_model.h"
#include "platform/text/font.h"

namespace dsp {

struct PanelVisual {
    int width = 0;
    int height = 0;
    TbsSkinBorderStyle border = TbsSkinBorderStyle::bvNone;
    bool captionMode = false;
    Rect captionBar;
    bool checkedMode = false;
    bool checked = false;
    bool rollUpMode = false;  // keeps room for the fold mark at the right
    std::string_view caption;
    TFont font;           // with the colour to draw the caption in
    unsigned format = 0;  // the caption's alignment
};

struct PanelSkinCaptionVisual {
    Rect area;                        // the caption rectangle; nothing is drawn when empty
    const Bitmap* picture = nullptr;  // the section's picture, for the check mark
    Rect mark;                        // the check mark's picture rectangle; empty for none
    std::string_view caption;
    TFont font;  // with the section's colour
    unsigned format = 0;
};

void PaintPanelDefault(LookContext& look, const PanelVisual& v);

// The client part of the section's picture repeated over the panel's `size`.
void PaintPanelTiledBody(LookContext& look, Size size, const PanelSkinParts& parts);

// The check mark centred at the left of the caption rectangle, then the
// caption in what is left of it.
void PaintPanelSkinCaption(LookContext& look, const PanelSkinCaptionVisual& v);

}  // namespace dsp
