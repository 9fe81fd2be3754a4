#include "controls/model/slider_geometry.h"

#include <algorithm>

#include "controls/model/rounding.h"

namespace dsp {

SliderLayout SliderGeometry::Layout(const SliderLayoutInput& in) {
    SliderLayout l;
    l.vertical = in.vertical;
    l.height = in.height;
    const int k = kSliderInset;
    int rulerLength = std::max(0, (in.vertical ? in.height : in.width) - 2 * k);
    if (!in.vertical) {
        int th = in.thumbHeight;
        int rh = in.rulerBreadth;
        int tickTop = 0;
        if (th > rh) {
            l.thumb = Rect::FromOriginSize(k, k, in.thumbWidth, th);
            l.ruler = Rect::FromOriginSize(k, k + (th - rh) / 2, rulerLength, rh);
            tickTop = th + 7;
        } else {
            l.thumb = Rect::FromOriginSize(k, k + (rh - th) / 2, in.thumbWidth, th);
            l.ruler = Rect::FromOriginSize(k, k, rulerLength, rh);
            tickTop = rh + 7;
        }
        l.tickArea = {l.ruler.left, tickTop, l.ruler.right, in.height - 1};
        l.trackLength = rulerLength - in.thumbWidth;
    } else {
        int tw = in.thumbCompareBreadth > 0 ? in.thumbCompareBreadth : in.thumbWidth;
        int rw = in.rulerBreadth;
        int tickLeft = 0;
        if (tw > rw) {
            l.thumb = Rect::FromOriginSize(k, k, in.thumbWidth, in.thumbHeight);
            l.ruler = Rect::FromOriginSize(k + (tw - rw) / 2, k, rw, rulerLength);
            tickLeft = k + tw + 1;
        } else {
            l.thumb = Rect::FromOriginSize(k + (rw - tw) / 2, k, in.thumbWidth, in.thumbHeight);
            l.ruler = Rect::FromOriginSize(k, k, rw, rulerLength);
            tickLeft = k + rw + 1;
        }
        l.tickArea = {tickLeft, l.ruler.top, in.width - 1, l.ruler.bottom};
        l.trackLength = rulerLength - in.thumbHeight;
    }
    return l;
}

int SliderGeometry::PositionOf(const SliderLayout& l, int v, int minValue, int maxValue) {
    double x = 0.0;
    // An empty range (only possible while the layout is read) puts the thumb
    // at the minimum end instead of dividing by zero.
    if (maxValue != minValue) {
        x = static_cast<double>(l.trackLength) * (static_cast<double>(v) - minValue) /
            (static_cast<double>(maxValue) - minValue);
    }
    int p = 0;
    if (l.vertical) {
        p = l.height - kSliderInset - RoundHalfEven(x) - l.thumb.Height();
    } else {
        p = kSliderInset + RoundHalfEven(x);
    }
    return std::max(p, kSliderInset);
}

int SliderGeometry::ValueAt(const SliderLayout& l, int p, int minValue, int maxValue, int increment,
                            bool smooth) {
    if (l.vertical) p = l.height - p - l.thumb.Height();
    int d = p - kSliderInset;
    double x = 0.0;
    if (l.trackLength != 0)
        x = static_cast<double>(d) * (static_cast<double>(maxValue) - minValue) / l.trackLength;
    long long k = RoundHalfEven(x);
    if (!smooth && increment > 0) {
        k = static_cast<long long>(increment) * RoundHalfEven(static_cast<double>(k) / increment);
    }
    long long value = std::max<long long>(k, 0) + minValue;
    return static_cast<int>(std::min<long long>(value, maxValue));
}

int SliderGeometry::SnapThumb(const SliderLayout& l, int p, int minValue, int maxValue, int increment,
                              bool smooth) {
    int far = kSliderInset + std::max(0, l.trackLength);
    p = std::clamp(p, kSliderInset, far);
    p = PositionOf(l, ValueAt(l, p, minValue, maxValue, increment, smooth), minValue, maxValue);
    return std::min(p, far);
}

Rect SliderGeometry::ThumbAt(const SliderLayout& l, int p) {
    if (l.vertical) return Rect::FromOriginSize(l.thumb.left, p, l.thumb.Width(), l.thumb.Height());
    return Rect::FromOriginSize(p, l.thumb.top, l.thumb.Width(), l.thumb.Height());
}

std::vector<PieceSpan> SliderGeometry::BuiltInRulerPlan(int pictureLength, int edgeSize, int rulerLength) {
    std::vector<PieceSpan> out;
    const int e = edgeSize;
    const int tile = pictureLength - 2 * e;
    out.push_back({0, pictureLength - e, 0, pictureLength - e});
    if (tile <= 0) return out;
    const int a = rulerLength - 2 * e;
    const int n = a / tile;
    const int r = a % tile;
    for (int i = 1; i < n; ++i) out.push_back({e, tile, e + i * tile, tile});
    if (n >= 1) out.push_back({pictureLength - e - r, e + r, e + n * tile, e + r});
    return out;
}

std::vector<TickMark> SliderGeometry::TickMarks(const SliderLayout& l, int minValue, int maxValue, int s,
                                                int a, int b) {
    std::vector<TickMark> marks;
    if (s <= 0) return marks;
    const int len = l.trackLength;
    const double range = static_cast<double>(maxValue) - minValue;
    int k = 1;
    int m = 0;
    for (;; ++k) {
        m = RoundHalfEven(range / (static_cast<double>(s) * k));
        int spacing = (m + 1 <= 1 || m <= 0) ? len : len / m;
        if (spacing >= 4 || spacing >= len) break;
    }
    const int count = std::max(m, 0) + 1;
    const int half = l.vertical ? l.thumb.Height() / 2 : l.thumb.Width() / 2;
    for (int i = 1; i <= count; ++i) {
        int v = (i == count) ? maxValue : minValue + (i - 1) * s * k;
        int length = (v == minValue || v == maxValue) ? a : b;
        marks.push_back({v, PositionOf(l, v, minValue, maxValue) + half, length});
    }
    return marks;
}

int SliderPressDirection(const Rect& thumb, bool vertical, Point p) {
    if (vertical) {
        if (p.y < thumb.top) return +1;
        if (p.y >= thumb.bottom) return -1;
        return 0;
    }
    if (p.x < thumb.left) return -1;
    if (p.x >= thumb.right) return +1;
    return 0;
}

bool SliderHitsRulerBand(const Rect& ruler, bool vertical, Point p) {
    Rect band = vertical ? Rect{ruler.left - 3, ruler.top, ruler.right + 3, ruler.bottom}
                         : Rect{ruler.left, ruler.top - 3, ruler.right, ruler.bottom + 3};
    return band.Contains(p);
}

}  // namespace dsp
