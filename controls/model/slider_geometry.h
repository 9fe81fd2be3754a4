#pragma once
// The slider's layout: ruler and thumb placed 6 pixels in from the client
// edge, the track length L the thumb's leading edge can travel, value <->
// position, the tiling of a built-in ruler picture, and the tick marks.

#include <vector>

#include "platform/graphics/geometry.h"
#include "skin/compose/piece_plan.h"

namespace dsp {

inline constexpr int kSliderInset = 6;

struct SliderLayoutInput {
    int width = 0;
    int height = 0;
    bool vertical = false;
    int thumbWidth = 0;  // one state of the thumb picture
    int thumbHeight = 0;
    int rulerBreadth = 0;  // ruler picture's height (horizontal) or width (vertical)
    // Breadth of the thumb used to centre ruler and thumb on each other; for
    // a vertical bar the picture width divided by NumThumbStates. 0 = thumb's.
    int thumbCompareBreadth = 0;
};

struct SliderLayout {
    bool vertical = false;
    int height = 0;
    Rect ruler;  // where the prepared ruler bitmap goes
    Rect thumb;  // the thumb at its cross-axis place; main axis set by the value
    Rect tickArea;
    int trackLength = 0;  // L

    int ThumbLength() const { return vertical ? thumb.Height() : thumb.Width(); }
};

struct TickMark {
    int value = 0;
    int coord = 0;  // x of a horizontal bar's mark, y of a vertical one
    int length = 0;
    friend bool operator==(const TickMark&, const TickMark&) = default;
};

class SliderGeometry {
  public:
    static SliderLayout Layout(const SliderLayoutInput& in);

    // The thumb's leading coordinate for value v; never below 6.
    static int PositionOf(const SliderLayout& l, int v, int minValue, int maxValue);
    // The value at leading coordinate p; `smooth` skips snapping to `increment`.
    static int ValueAt(const SliderLayout& l, int p, int minValue, int maxValue, int increment, bool smooth);
    // Where a dragged thumb lands for a wanted leading coordinate: clamped to
    // the track, then moved to the position of the value found there.
    static int SnapThumb(const SliderLayout& l, int p, int minValue, int maxValue, int increment,
                         bool smooth);
    // The thumb rectangle with its leading edge at p.
    static Rect ThumbAt(const SliderLayout& l, int p);

    // Tiles a built-in or user ruler picture of `pictureLength` pixels with
    // `edgeSize` fixed ends over `rulerLength` pixels.
    static std::vector<PieceSpan> BuiltInRulerPlan(int pictureLength, int edgeSize, int rulerLength);
    // Tick marks for step s, end-mark length a and inner-mark length b.
    static std::vector<TickMark> TickMarks(const SliderLayout& l, int minValue, int maxValue, int s, int a,
                                           int b);
};

// The ruler-press direction at a pointer position: -1 down, +1 up, 0 on the thumb.
int SliderPressDirection(const Rect& thumb, bool vertical, Point p);
// The ruler widened by 3 pixels on both sides across the main axis.
bool SliderHitsRulerBand(const Rect& ruler, bool vertical, Point p);

}  // namespace dsp
