#pragma once
// The scroll bar's parts: the two arrows, the track between them and the
// thumb on it, for the default look and for a skin section.

#include "controls/model/scroll_bar_model.h"
#include "platform/graphics/geometry.h"

namespace dsp {

inline constexpr int kScrollArrowLength = 16;
inline constexpr int kScrollMinThumb = 16;
inline constexpr int kBothScrollMarkerWidth = 19;

struct ScrollBarValues {
    int min = 0;
    int max = 100;
    int position = 0;
    int pageSize = 0;
};

// The geometry keys of a scroll bar section.
struct ScrollBarSkinGeometry {
    Rect skinRect;
    Rect trackArea;
    Rect upButtonRect;    // first arrow (up, or left)
    Rect downButtonRect;  // second arrow (down, or right)
    Point leftBottomPoint;
    Point rightTopPoint;
    Rect thumbRect;
    int thumbMinSize = 0;
    int thumbMinPageSize = 0;
};

struct ScrollBarParts {
    Rect arrow1;  // up or left
    Rect arrow2;  // down or right
    Rect track;
    Rect thumb;
    int travelLength = 0;  // pixels the thumb's start can move
};

class ScrollBarGeometry {
  public:
    // `bothBars`: a horizontal bar shares the bottom edge with a vertical one
    // and leaves the corner marker free.
    static ScrollBarParts Default(int width, int height, ScrollBarKind kind, const ScrollBarValues& v,
                                  bool bothBars = false);
    static ScrollBarParts Skinned(int width, int height, ScrollBarKind kind, const ScrollBarValues& v,
                                  const ScrollBarSkinGeometry& skin);
    // The thumb offset along its travel as a fraction of the travel, for a drag.
    static double DragFraction(const ScrollBarParts& parts, int thumbStart, ScrollBarKind kind);
};

}  // namespace dsp
