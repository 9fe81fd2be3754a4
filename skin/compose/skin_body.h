#pragma once
// The body of a skinned control: its section's rectangle cut by the resize
// mode into one, three or nine pieces and laid over the control's size. The
// same plan draws the picture and cuts the mask into the control's region.

#include "skin/compose/piece_plan.h"
#include "skin/compose/skin_fit.h"
#include "skin/skin_types.h"

namespace dsp {

// The stretch keys of a section: each border between its anchors is stretched
// or repeated; the client part (and the middle of a three-piece body) is
// stretched by `type` when `effect` is on, else repeated.
struct SkinStretch {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
    bool effect = false;
    TbsStretchType type = TbsStretchType::stFull;
};

// How an area is filled for `stretcheffect` and `stretchtype`.
AreaFill ClientFill(bool effect, TbsStretchType type);

// The nine-piece body split in two, so that a control that draws its client
// part itself (a panel with force-background) takes only the border.
struct NinePiece {
    PiecePlan border;  // eight fixed pieces and the four borders between the anchors
    PiecePlan client;  // the client rectangle over the moved one
};

// Nine pieces for a fit computed by CalcSkinSize in mode 1. Empty when the
// right-bottom anchor equals the left-top one in x or y.
NinePiece NinePiecePlan(const SkinAnchors& a, const SkinStretch& s, const SkinFit& fit);

// The whole body for a control of `width` x `height` (already fitted):
// mode 0 a one-to-one copy of the section's rectangle, modes 2 and 3 three
// pieces across or down, mode 1 nine pieces; nothing without a section.
PiecePlan SkinBodyPlan(const SkinAnchors& a, const SkinStretch& s, SkinResizeMode mode, int width,
                       int height);

}  // namespace dsp
