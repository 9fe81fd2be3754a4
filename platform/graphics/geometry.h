#pragma once
// Points, sizes and rectangles in pixels. A rectangle is left, top, right,
// bottom with the right and bottom edges outside it, as every drawing call and
// hit test of the windowing layer counts them.

#include <algorithm>

namespace dsp {

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
    Point operator+(Point o) const { return {x + o.x, y + o.y}; }
    Point operator-(Point o) const { return {x - o.x, y - o.y}; }
};

struct Size {
    int cx = 0;
    int cy = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect FromBounds(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

    friend bool operator==(const Rect&, const Rect&) = default;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    Point TopLeft() const { return {left, top}; }
    Point BottomRight() const { return {right, bottom}; }
    Size Extent() const { return {Width(), Height()}; }
    // Empty when the width or the height is not positive.
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool Contains(const Rect& r) const {
        return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
    }

    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect Offset(Point d) const { return Offset(d.x, d.y); }
    Rect Inflate(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
};

// The common part of two rectangles; an empty rectangle (all zero) when they
// do not overlap.
inline Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r.IsEmpty() ? Rect{} : r;
}

// The smallest rectangle holding both; an empty one does not count.
inline Rect BoundingUnion(const Rect& a, const Rect& b) {
    if (a.IsEmpty()) return b.IsEmpty() ? Rect{} : b;
    if (b.IsEmpty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace dsp
