#pragma once
// The track bar's skinned look: the section's body, the alternative body on
// the value-minimum side of the thumb centre, and the thumb picture.

#include "controls/look/look_context.h"
#include "skin/compose/piece_plan.h"

namespace dsp {

struct TrackBarSkinVisual {
    const Bitmap* picture = nullptr;  // the section's picture; nothing is drawn without it
    PiecePlan body;                   // the body fitted to the control
    PiecePlan activeBody;             // the same fit from `activeskinrect`; empty for none
    bool vertical = false;
    int width = 0;
    int height = 0;
    Rect thumb;        // where the thumb goes
    Rect thumbSource;  // `activebuttonrect` or `buttonrect`, by the state
    bool thumbTransparent = false;
    Color thumbTransparentColor = 0;
};

// The part of the control the alternative body covers: from the thumb centre
// down (vertical, the value grows upward) or from the left edge to it.
Rect TrackBarActiveSpan(const TrackBarSkinVisual& v);

void PaintTrackBarSkin(LookContext& look, const TrackBarSkinVisual& v);

}  // namespace dsp
