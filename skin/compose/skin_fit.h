#pragma once
// How a skin section's rectangle is fitted to a control's size: the resize
// mode derived from the section's anchor points, and the size, moved anchors
// and client rectangle for a requested size. Anchors and the client
// rectangle are relative to the section's rectangle, as for a control of the
// section's own size.

#include "platform/graphics/geometry.h"

namespace dsp {

// -1: no picture; 0: fixed at the section's size; 1: both directions (nine
// pieces); 2: width only (three pieces across); 3: height only (three down).
enum class SkinResizeMode { None = -1, Fixed = 0, Both = 1, Width = 2, Height = 3 };

struct SkinAnchors {
    Rect skinRect;
    Point leftTop;
    Point rightTop;
    Point leftBottom;
    Point rightBottom;
    Rect clientRect;
};

struct SkinFit {
    int width = 0;
    int height = 0;
    Point leftTop;
    Point rightTop;
    Point leftBottom;
    Point rightBottom;
    Rect clientRect;
};

SkinResizeMode DeriveResizeMode(const SkinAnchors& a);

// The size a control takes for a requested size (modes 0, 2 and 3 keep the
// section's size along their fixed axes) and the anchors moved to it.
SkinFit CalcSkinSize(const SkinAnchors& a, SkinResizeMode mode, int width, int height);

}  // namespace dsp
