#include "controls/model/scroll_bar_geometry.h"

#include <algorithm>

#include "controls/model/rounding.h"

namespace dsp {
namespace {

bool IsVertical(ScrollBarKind kind) { return kind == ScrollBarKind::sbVertical; }

int PagedLength(int trackLength, const ScrollBarValues& v) {
    double span = static_cast<double>(v.max) - v.min + 1;
    if (span <= 0) return trackLength;
    return RoundHalfEven(trackLength * (static_cast<double>(v.pageSize) / span));
}

double Fraction(const ScrollBarValues& v, bool vertical) {
    if (v.pageSize == 0) {
        if (v.max == v.min) return 0.0;
        return (static_cast<double>(v.position) - v.min) / (static_cast<double>(v.max) - v.min);
    }
    double divisor = static_cast<double>(v.max) - v.min + 1 - v.pageSize;
    if (divisor <= 0) return vertical ? 0.0 : 1.0;
    return (static_cast<double>(v.position) - v.min) / divisor;
}

// Places a thumb of `length` along the track; `crossStart`/`breadth` across it.
void PlaceThumb(ScrollBarParts& p, bool vertical, int length, int crossStart, int breadth,
                const ScrollBarValues& v) {
    int start = vertical ? p.track.top : p.track.left;
    int end = vertical ? p.track.bottom : p.track.right;
    int half = length / 2;
    p.travelLength = (end - half) - (start + half);
    int offset = RoundHalfEven(Fraction(v, vertical) * p.travelLength);
    int a = start + offset;
    int b = a + 2 * half;
    p.thumb = vertical ? Rect{crossStart, a, crossStart + breadth, b}
                       : Rect{a, crossStart, b, crossStart + breadth};
}

}  // namespace

ScrollBarParts ScrollBarGeometry::Default(int width, int height, ScrollBarKind kind, const ScrollBarValues& v,
                                          bool bothBars) {
    ScrollBarParts p;
    const int a = kScrollArrowLength + 1;
    bool vertical = IsVertical(kind);
    if (vertical) {
        p.arrow1 = {1, 1, width - 1, a};
        p.arrow2 = {1, height - a, width - 1, height - 1};
        p.track = {1, a, width - 1, height - a};
    } else {
        int w = bothBars ? width - kBothScrollMarkerWidth : width;
        p.arrow1 = {1, 1, a, height - 1};
        p.arrow2 = {w - a, 1, w - 1, height - 1};
        p.track = {a, 1, w - a, height - 1};
    }
    int trackLength = vertical ? p.track.Height() : p.track.Width();
    int length = kScrollMinThumb;
    if (v.pageSize != 0) length = std::max(PagedLength(trackLength, v), kScrollMinThumb);
    int crossStart = vertical ? p.track.left : p.track.top;
    int breadth = vertical ? p.track.Width() : p.track.Height();
    PlaceThumb(p, vertical, length, crossStart, breadth, v);
    return p;
}

ScrollBarParts ScrollBarGeometry::Skinned(int width, int height, ScrollBarKind kind, const ScrollBarValues& v,
                                          const ScrollBarSkinGeometry& s) {
    ScrollBarParts p;
    bool vertical = IsVertical(kind);
    int grow = vertical ? height - s.skinRect.Height() : width - s.skinRect.Width();
    p.track = s.trackArea;
    p.arrow1 = s.upButtonRect;
    p.arrow2 = s.downButtonRect;
    if (vertical) {
        p.track.bottom += grow;
        if (p.arrow1.top > s.leftBottomPoint.y) p.arrow1 = p.arrow1.Offset(0, grow);
        if (p.arrow2.top > s.leftBottomPoint.y) p.arrow2 = p.arrow2.Offset(0, grow);
    } else {
        p.track.right += grow;
        if (p.arrow1.left > s.rightTopPoint.x) p.arrow1 = p.arrow1.Offset(grow, 0);
        if (p.arrow2.left > s.rightTopPoint.x) p.arrow2 = p.arrow2.Offset(grow, 0);
    }
    int trackLength = vertical ? p.track.Height() : p.track.Width();
    int trackBreadth = vertical ? p.track.Width() : p.track.Height();
    int breadth = vertical ? s.thumbRect.Width() : s.thumbRect.Height();
    int length = vertical ? s.thumbRect.Height() : s.thumbRect.Width();
    if (s.thumbMinSize != 0) length = s.thumbMinSize;
    if (v.pageSize != 0) {
        length = std::max(PagedLength(trackLength, v), length);
    } else if (s.thumbMinPageSize != 0) {
        length = s.thumbMinPageSize;
    }
    int crossStart = (vertical ? p.track.left : p.track.top) + trackBreadth / 2 - breadth / 2;
    PlaceThumb(p, vertical, length, crossStart, breadth, v);
    return p;
}

double ScrollBarGeometry::DragFraction(const ScrollBarParts& parts, int thumbStart, ScrollBarKind kind) {
    if (parts.travelLength <= 0) return 0.0;
    int start = IsVertical(kind) ? parts.track.top : parts.track.left;
    double f = static_cast<double>(thumbStart - start) / parts.travelLength;
    return std::clamp(f, 0.0, 1.0);
}

}  // namespace dsp
