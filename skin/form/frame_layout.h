#pragma once
// The frame layout: where everything of a skinned window frame lies for one
// window size, computed once from [FORMINFO] and the main picture's size.
// The non-client size, the hit test, the frame paint and the window region
// all read this one value, so the frame, its shape and its mouse answers can
// never disagree.
//
// The picture is cut at its corner points; a window dx wider and dy higher
// than the picture moves everything right of the cut by dx and everything
// below it by dy. The four frame pieces (top, bottom, left, right) are plans
// over the picture in window coordinates; the same plans cut the mask.

#include "platform/graphics/geometry.h"
#include "skin/compose/piece_plan.h"
#include "skin/skin_form_data.h"

namespace dsp {

struct FrameLayout {
    int width = 0, height = 0;                // the window
    int pictureWidth = 0, pictureHeight = 0;  // the main picture
    int dx = 0, dy = 0;
    Point leftTop, rightTop, leftBottom, rightBottom;  // moved corner points
    Point hitLeftTop, hitRightTop, hitLeftBottom, hitRightBottom;
    Rect client;   // the moved client rectangle C'
    Rect caption;  // empty when the skin has none
    Rect buttons;
    Rect maskArea;
    // Heights and widths of the four pieces.
    int topHeight = 0, bottomHeight = 0, leftWidth = 0, rightWidth = 0;
};

FrameLayout ComputeFrameLayout(const TbsSkinFormData& form, Size picture, Size window);

// The plain frame drawn without a skin: a 3-pixel border round a 19-pixel
// caption bar (`caption`), the client area inside the border below the bar.
// The corner points stay at the window's corners.
FrameLayout ComputeFallbackLayout(Size window);

// The margins between the window and its client area: the same for every
// window size (left, top, right, bottom as a rectangle of widths).
Rect FrameMargins(const TbsSkinFormData& form, Size picture);
Rect FallbackMargins();

// The four frame pieces as plans over the picture, destinations in window
// coordinates. A piece the skin does not allow (zero size, or corner points
// that leave no band) has an empty plan.
struct FramePlans {
    PiecePlan top, bottom, left, right;
    Rect topRect, bottomRect, leftRect, rightRect;  // where the pieces lie
};

FramePlans ComputeFramePlans(const TbsSkinFormData& form, const FrameLayout& layout);

}  // namespace dsp
