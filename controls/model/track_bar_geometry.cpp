#include "controls/model/track_bar_geometry.h"

#include <cmath>

#include "controls/model/rounding.h"

namespace dsp {

Rect TrackBarGeometry::DefaultTrack(int width, int height) { return {2, 2, width - 2, height - 2}; }

TrackBarSize TrackBarGeometry::DefaultThumbSize(int width, int height, bool vertical) {
    if (vertical) return {width - 4, (width - 4) / 2};
    return {(height - 4) / 2, height - 4};
}

Rect TrackBarGeometry::WorkingTrack(Rect trackArea, Rect skinRect, int width, int height, bool vertical,
                                    bool resizable) {
    if (!resizable) return trackArea;
    if (vertical) {
        trackArea.bottom += height - skinRect.Height();
    } else {
        trackArea.right += width - skinRect.Width();
    }
    return trackArea;
}

TrackBarLayout TrackBarGeometry::Layout(Rect r, TrackBarSize thumb, bool vertical, int minValue, int maxValue,
                                        int value) {
    double f = 0.0;
    if (maxValue != minValue) {
        f = (static_cast<double>(value) - minValue) / (static_cast<double>(maxValue) - minValue);
    }
    TrackBarLayout out;
    int w = thumb.width;
    int h = thumb.height;
    if (vertical) {
        out.travelStart = r.top + h / 2;
        out.travelEnd = r.bottom - h / 2;
        out.thumbOffset = RoundHalfEven((out.travelEnd - out.travelStart) * f);
        int left = r.left + r.Width() / 2 - w / 2;
        int top = out.travelEnd - out.thumbOffset - h / 2;
        out.thumb = Rect::FromOriginSize(left, top, w, h);
    } else {
        out.travelStart = r.left + w / 2;
        out.travelEnd = r.right - w / 2;
        out.thumbOffset = RoundHalfEven((out.travelEnd - out.travelStart) * f);
        int left = out.travelStart + out.thumbOffset - w / 2;
        int top = r.top + r.Height() / 2 - h / 2;
        out.thumb = Rect::FromOriginSize(left, top, w, h);
    }
    return out;
}

int TrackBarGeometry::ValueAtOffset(const TrackBarLayout& layout, int offset, int minValue, int maxValue) {
    int d = layout.travelEnd - layout.travelStart;
    double r = d > 0 ? static_cast<double>(offset) / d : 0.0;
    if (!(r >= 0.0)) r = 0.0;
    if (r > 1.0) r = 1.0;
    double span = static_cast<double>(maxValue) - minValue;
    return minValue + RoundHalfEven(span * r);
}

int TrackBarGeometry::DragOffset(bool vertical, int pressCoord, int offsetAtPress, int coord) {
    if (vertical) return pressCoord + offsetAtPress - coord;
    return coord + offsetAtPress - pressCoord;
}

int TrackBarGeometry::JumpOffset(bool vertical, int x, int y, int height, const Rect& thumb, int margin) {
    if (vertical) return height - y - thumb.Height() / 2 - margin;
    return x - thumb.Width() / 2 - margin;
}

bool TrackBarGeometry::HitsThumb(const Rect& thumb, Point p) {
    return p.x >= thumb.left && p.x <= thumb.right && p.y >= thumb.top && p.y <= thumb.bottom;
}

}  // namespace dsp
