#pragma once
// Region: a set of pixels made of rectangles, for clipping and window shapes.
// It is held in y-x bands: each band is a run of rows with the same sorted,
// disjoint spans, so union, intersection and difference are one sweep over the
// bands of both sides, and the rectangle list is always non-overlapping.

#include <span>
#include <vector>

#include "platform/graphics/geometry.h"

namespace dsp {

class Region {
  public:
    Region() = default;
    explicit Region(const Rect& r);
    // The union of any rectangles, overlapping or not.
    static Region FromRects(std::span<const Rect> rects);
    // Rows given top to bottom, each with its sorted, disjoint [left, right)
    // runs: the fast path of a mask scan. A row may stand for `height` equal
    // rows from `y` down.
    struct Row {
        int y = 0;
        std::vector<int> runs;  // left0, right0, left1, right1, ...
        int height = 1;
    };
    static Region FromRows(std::span<const Row> rows);

    bool IsEmpty() const { return bands_.empty(); }
    // Exactly one rectangle.
    bool IsRect() const { return bands_.size() == 1 && bands_.front().spans.size() == 2; }
    Rect Bounds() const;
    // Non-overlapping rectangles, top to bottom, left to right.
    std::vector<Rect> Rects() const;
    bool Contains(Point p) const;
    // Every pixel of `r` is in the region (an empty `r` always is).
    bool Covers(const Rect& r) const;
    // The part of `r` that lies in the region, as a rectangle list (the clip
    // walk of every drawing call).
    std::vector<Rect> Clip(const Rect& r) const;

    void Offset(int dx, int dy);
    Region Union(const Region& other) const;
    Region Intersect(const Region& other) const;
    Region Subtract(const Region& other) const;

    friend bool operator==(const Region&, const Region&) = default;

  private:
    struct Band {
        int top = 0;
        int bottom = 0;
        std::vector<int> spans;  // left, right pairs, sorted, disjoint, not touching
        friend bool operator==(const Band&, const Band&) = default;
    };
    enum class Op { Union, Intersect, Subtract };

    Region Combine(const Region& other, Op op) const;
    void AppendBand(int top, int bottom, std::vector<int>&& spans);

    std::vector<Band> bands_;
};

}  // namespace dsp
