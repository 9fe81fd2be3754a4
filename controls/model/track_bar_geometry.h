#pragma once
// Where the track bar's thumb sits for a value, and which value a pixel offset
// along the travel stands for. The thumb centre moves between travelStart and
// travelEnd; thumbOffset counts from the value-minimum end (the bottom of a
// vertical bar, the left of a horizontal one).

#include "platform/graphics/geometry.h"

namespace dsp {

struct TrackBarLayout {
    int travelStart = 0;
    int travelEnd = 0;
    int thumbOffset = 0;
    Rect thumb;
};

struct TrackBarSize {
    int width = 0;
    int height = 0;
};

class TrackBarGeometry {
  public:
    // The default look's track rectangle: (2, 2, Width - 2, Height - 2).
    static Rect DefaultTrack(int width, int height);
    // The default look's thumb: half as long as it is broad.
    static TrackBarSize DefaultThumbSize(int width, int height, bool vertical);
    // The working track area of a skinned bar: the far edge along the long
    // axis moves with the control's size when the section can be resized.
    static Rect WorkingTrack(Rect trackArea, Rect skinRect, int width, int height, bool vertical,
                             bool resizable);

    static TrackBarLayout Layout(Rect track, TrackBarSize thumb, bool vertical, int minValue, int maxValue,
                                 int value);
    static int ValueAtOffset(const TrackBarLayout& layout, int offset, int minValue, int maxValue);

    // The offset a drag has reached: the pointer's move along the long axis
    // since the press, added to the offset at the press (upward for vertical).
    static int DragOffset(bool vertical, int pressCoord, int offsetAtPress, int coord);
    // The offset of a click on the track with JumpWhenClick; `margin` is 2 for
    // the default look, else the track area's top (vertical) or left inset.
    static int JumpOffset(bool vertical, int x, int y, int height, const Rect& thumb, int margin);
    // The thumb rectangle widened by one pixel to the right and bottom.
    static bool HitsThumb(const Rect& thumb, Point p);
};

}  // namespace dsp
